#include "resource_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>
#include <vector>

namespace artgen {
namespace {

// The image's colours in ascending order, or nothing when there are too many for a palette.
std::optional<std::vector<QRgb>> PaletteOf(const QImage& image) {
    constexpr std::size_t kMostColours = 256;
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
            if (colours.size() > kMostColours) {
                return std::nullopt;
            }
        }
    }
    return std::vector<QRgb>(colours.begin(), colours.end());
}

// A palette image with exactly the same colours, or the image itself when it has
// transparency or too many colours for a palette.
QImage Compact(const QImage& image) {
    const auto colours = image.hasAlphaChannel() ? std::nullopt : PaletteOf(image);
    if (!colours) {
        return image;
    }
    const QImage::Format format =
        colours->size() <= 2 ? QImage::Format_Mono : QImage::Format_Indexed8;
    QImage indexed(image.size(), format);
    indexed.setColorTable(QList<QRgb>(colours->begin(), colours->end()));
    indexed.fill(0);  // also clears the unused bits at the end of each row, which are stored
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto entry =
                std::lower_bound(colours->begin(), colours->end(), image.pixel(x, y));
            indexed.setPixel(x, y, static_cast<uint>(entry - colours->begin()));
        }
    }
    return indexed;
}

}  // namespace

ResourceWriter::ResourceWriter(const QDir& root) : root_(root) {}

void ResourceWriter::Write(const QString& path, const QImage& image) {
    const QString file = root_.filePath(path);
    if (!QFileInfo(file).dir().mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create the folder for %s\n", qPrintable(file));
        ok_ = false;
        return;
    }
    QImageWriter writer(file, "png");
    if (!writer.write(Compact(image))) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file),
                     qPrintable(writer.errorString()));
        ok_ = false;
        return;
    }
    written_.append(path);
}

void ResourceWriter::WriteResourceList(const QString& name) {
    QByteArray text;
    QTextStream out(&text);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& path : written_) {
        out << "    <file>" << path << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
    out.flush();
    WriteText(name, text);
}

void ResourceWriter::WriteText(const QString& path, const QByteArray& text) {
    QSaveFile file(root_.filePath(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        ok_ = false;
    }
}

}  // namespace artgen
