#pragma once

#include <QImage>

namespace artgen {

// The image `factor` (1, 2 or 3) times larger for denser screens, drawn from the same
// pixels: each pixel becomes a factor x factor block whose corners take the colour of two
// agreeing neighbours, so stair-stepped diagonals and curves come out finer while straight
// edges, stroke widths and the set of colours stay exactly as they are.
QImage Upscaled(const QImage& image, int factor);

}  // namespace artgen
