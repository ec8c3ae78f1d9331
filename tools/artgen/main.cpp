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

namespace {

using artgen::ResourceWriter;

void WriteCardFaces(ResourceWriter& writer) {
    for (int suitIndex = 0; suitIndex < 4; ++suitIndex) {
        const auto suit = static_cast<artgen::Suit>(suitIndex);
        for (int rank = 1; rank <= 13; ++rank) {
            writer.Write(
                QStringLiteral("bitmaps/%1.png").arg(suitIndex * 13 + rank),
                rank <= 10 ? artgen::PlainCard(rank, suit) : artgen::CourtCard(rank, suit));
        }
    }
}

// The card tints and the selection mark.
void WriteTints(ResourceWriter& writer) {
    using namespace artgen::colour;
    writer.Write(QStringLiteral("bitmaps/201.png"), artgen::SolidCard(kLime));
    writer.Write(QStringLiteral("bitmaps/202.png"), artgen::SolidCard(kAqua));
    writer.Write(QStringLiteral("bitmaps/203.png"), artgen::CheckerCard(kLime, kWhite));
    writer.Write(QStringLiteral("bitmaps/500.png"), artgen::SolidCard(kBlue));
}

void WriteKingIcons(ResourceWriter& writer) {
    writer.Write(QStringLiteral("bitmaps/1000.png"), artgen::KingIcon(false));
    writer.Write(QStringLiteral("bitmaps/2000.png"), artgen::KingIcon(true));
}

void WriteIcons(ResourceWriter& writer) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        writer.Write(QStringLiteral("icons/app-%1.png").arg(size), artgen::AppIcon(size));
    }
    // The same badge drawn for screens of twice the density.
    writer.Write(QStringLiteral("icons/211.png"), artgen::QuestionBadge(32));
    writer.Write(QStringLiteral("icons/211@2x.png"), artgen::QuestionBadge(64));
}

void WriteCursors(ResourceWriter& writer) {
    writer.Write(QStringLiteral("cursors/222.png"), artgen::DropCursor());
    writer.Write(QStringLiteral("cursors/226.png"), artgen::EmptyCursor());
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
    WriteCardFaces(writer);
    WriteTints(writer);
    WriteKingIcons(writer);
    WriteIcons(writer);
    WriteCursors(writer);
    WriteToolbar(writer);
    writer.WriteResourceList(QStringLiteral("kelmora.qrc"));
    return writer.Ok() ? 0 : 1;
}
