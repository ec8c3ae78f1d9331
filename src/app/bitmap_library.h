#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <utility>

// The table's artwork is drawn for screens of one, two and three device pixels per
// pixel. A screen's own ratio takes the next whole factor, 3 at most: 1.25 to 2 take 2.
int ArtworkFactor(qreal devicePixelRatio);

// The resource of image `id` in `folder` drawn at `factor`: ":/bitmaps/27.png",
// ":/bitmaps/27@2x.png".
QString ArtworkPath(const QString& folder, int id, int factor);

// The bitmap resources by numeric id and factor, each decoded once on first use.
class BitmapLibrary {
  public:
    // Bitmap `id` drawn at `factor`, as 32-bit RGB pixels; a null image when there is no
    // such bitmap.
    const QImage& Bitmap(int id, int factor);

  private:
    QHash<std::pair<int, int>, QImage> m_decoded;
};
