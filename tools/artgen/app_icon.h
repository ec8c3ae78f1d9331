#pragma once

#include <QImage>

namespace artgen {

// The application icon at `size` x `size` pixels: a crowned, bearded king in front of a
// playing card, on a transparent ground. The 16-pixel one is drawn pixel by pixel.
QImage AppIcon(int size);

// The confirmation icon at `size` x `size` pixels: a white question mark in a round blue
// badge.
QImage QuestionBadge(int size);

}  // namespace artgen
