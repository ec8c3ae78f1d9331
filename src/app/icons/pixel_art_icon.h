#pragma once

#include <QIcon>
#include <QString>

// An icon drawn pixel by pixel, with copies enlarged by whole multiples
// without smoothing: a high-density screen shows each of its pixels as a sharp
// block instead of a blur.
QIcon PixelArtIcon(const QString& path);
