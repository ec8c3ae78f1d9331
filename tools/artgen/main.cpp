// Draws every image of the game's resource folder, always to the same bytes.
//   kelmora_artgen <resource folder>

#include <QDir>

#include <cstdio>

#include "app_icon.h"
#include "court_card.h"
#include "cursors.h"
#include "fills.h"
#include "king_icon.h"
#include "palette.h"
#include "plain_card.h"
#include "resource_writer.h"
#include "toolbar_images.h"
#include "upscale.h"

namespace {

using artgen::ResourceWriter;

// The table's images are drawn for screens of one, two and three device pixels per pixel.
constexpr int kFactors[] = {1, 2, 3};

// "bitmaps/27.png" at factor 1, "bitmaps/27@2x.png" at 2.
QString AtFactor(const QString& folder, int id, int factor) {
    return factor == 1 ? QStringLiteral("%1/%2.png").arg(folder).arg(id)
                       : QStringLiteral("%1/%2@%3x.png").arg(folder).arg(id).arg(factor);
}

void WriteCardFaces(ResourceWriter& writer, int factor) {
    for (int suitIndex = 0; suitIndex < 4; ++suitIndex) {
        const auto suit = static_cast<artgen::Suit>(suitIndex);
        for (int rank = 1; rank <= 13; ++rank) {
            writer.Write(AtFactor(QStringLiteral("bitmaps"), suitIndex * 13 + rank, factor),
                         rank <= 10 ? artgen::PlainCard(rank, suit, factor)
                                    : artgen::CourtCard(rank, suit, factor));
        }
    }
}

// The card tints and the selection mark.
void WriteTints(ResourceWriter& writer, int factor) {
    using namespace artgen::colour;
    const auto write = [&](int id, const QImage& image) {
        writer.Write(AtFactor(QStringLiteral("bitmaps"), id, factor), image);
    };
    write(201, artgen::SolidCard(kLime, factor));
    write(202, artgen::SolidCard(kAqua, factor));
    write(203, artgen::CheckerCard(kLime, kWhite, factor));
    write(500, artgen::SolidCard(kBlue, factor));
}

void WriteKingIcons(ResourceWriter& writer, int factor) {
    for (const bool lookingRight : {false, true}) {
        writer.Write(AtFactor(QStringLiteral("bitmaps"), lookingRight ? 2000 : 1000, factor),
                     artgen::Upscaled(artgen::KingIcon(lookingRight), factor));
    }
}

void WriteIcons(ResourceWriter& writer) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        writer.Write(QStringLiteral("icons/app-%1.png").arg(size), artgen::AppIcon(size));
    }
    // The same badge drawn for screens of twice the density.
    writer.Write(QStringLiteral("icons/211.png"), artgen::QuestionBadge(32));
    writer.Write(QStringLiteral("icons/211@2x.png"), artgen::QuestionBadge(64));
}

void WriteCursors(ResourceWriter& writer, int factor) {
    writer.Write(AtFactor(QStringLiteral("cursors"), 222, factor),
                 artgen::Upscaled(artgen::DropCursor(), factor));
    writer.Write(AtFactor(QStringLiteral("cursors"), 226, factor),
                 artgen::Upscaled(artgen::EmptyCursor(), factor));
}

void WriteToolbar(ResourceWriter& writer) {
    for (const auto& button : artgen::ToolbarImages()) {
        writer.Write(QStringLiteral("toolbar/%1.png").arg(button.command), button.image);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resource folder>\n", argv[0]);
        return 2;
    }
    ResourceWriter writer(QDir(QString::fromLocal8Bit(argv[1])));
    for (const int factor : kFactors) {
        WriteCardFaces(writer, factor);
        WriteTints(writer, factor);
        WriteKingIcons(writer, factor);
        WriteCursors(writer, factor);
    }
    WriteIcons(writer);
    WriteToolbar(writer);
    writer.WriteResourceList(QStringLiteral("kelmora.qrc"));
    return writer.Ok() ? 0 : 1;
}
