#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

class CSolView;
class ViewWidget;

// What the table shows, pixel by pixel.
namespace screen {

// A card face as the artwork holds it, in the table image's pixel format.
QImage CardFace(int code);

// The first pixel at which `screen` differs from `expected` laid at `at`,
// described for a failure message; empty when all match.
QString Mismatch(const QImage& screen, QPoint at, const QImage& expected);

// Repaints the whole table and compares it with what the table showed before:
// every drawing must leave the pixels a full repaint draws. Left out are only
// the clock and the move count box, which a repaint draws differently by
// design. Empty when all match.
QString RepaintMismatch(ViewWidget& table, CSolView& game);

}  // namespace screen
