#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// The `device` pixels of an image scaled so that each device pixel covers `step` of its
// pixels each way. `source` holds those pixels from `sourceOrigin` on, in the same
// coordinates as `device` times `step`; a device pixel reaching past its edges takes the
// edge pixels. Each device pixel is the average of the pixels it covers, each weighted by
// how much of it the device pixel covers. The weights depend only on where the device
// pixel lies, so a pixel comes out the same whatever is scaled with it.
QImage AreaScaled(const QImage& source, QPoint sourceOrigin, const QRect& device, qreal step);
