#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

namespace artgen {

// Writes the images under the resource folder and, last, the resource list that
// names every one of them.
class ResourceWriter {
  public:
    explicit ResourceWriter(const QDir& root);

    // `path` is relative to the resource folder, e.g. "bitmaps/27.png". Opaque images
    // of few colours are stored with a palette; the colours read back are the same.
    void Write(const QString& path, const QImage& image);

    void WriteResourceList(const QString& name);

    // False once any file could not be written.
    bool Ok() const { return ok_; }

  private:
    void WriteText(const QString& path, const QByteArray& text);

    QDir root_;
    QStringList written_;
    bool ok_ = true;
};

}  // namespace artgen
