#pragma once

#include <QHash>
#include <QImage>

// The bitmap resources by numeric id, each decoded once on first use.
class BitmapLibrary {
  public:
    // Bitmap `id` as 32-bit RGB pixels; a null image when there is no such bitmap.
    const QImage& Bitmap(int id);

  private:
    QHash<int, QImage> m_decoded;
};
