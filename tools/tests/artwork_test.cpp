// The committed artwork, read through the compiled resource list the way the game reads it.

#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <QTest>

#include <utility>

#include "app/command_ids.h"

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kWhite = 0xffffffff;
constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

const QList<int> kToolbarCommands = {
    command::kNewGame,         command::kSelectGame,   command::kRestartGame,
    command::kOptions,         command::kStatistics,   command::kCardColor,
    command::kBackgroundColor, command::kDefaultColor, command::kAbout};
const QList<int> kAppIconSizes = {16, 32, 48, 64, 128, 256};

QImage Load(const QString& path) {
    QImage image(QStringLiteral(":/") + path);
    if (image.isNull()) {
        qWarning("cannot load %s", qPrintable(path));
    }
    return image;
}

QString CardPath(int code) {
    return QStringLiteral("bitmaps/%1.png").arg(code);
}

QSet<QRgb> ColoursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

bool IsOpaque(const QImage& image) {
    for (QRgb colour : ColoursOf(image)) {
        if (qAlpha(colour) != 255) {
            return false;
        }
    }
    return true;
}

// The lowest and highest rows holding a visible pixel, and the columns visible in them.
struct VisibleExtent {
    int top = -1;
    int bottom = -1;
    QList<int> topColumns;
    QList<int> bottomColumns;
};

VisibleExtent ExtentOf(const QImage& image) {
    VisibleExtent extent;
    for (int y = 0; y < image.height(); ++y) {
        QList<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                columns.append(x);
            }
        }
        if (columns.isEmpty()) {
            continue;
        }
        if (extent.top < 0) {
            extent.top = y;
            extent.topColumns = columns;
        }
        extent.bottom = y;
        extent.bottomColumns = columns;
    }
    return extent;
}

void AddCardRows(int firstRank, int lastRank) {
    QTest::addColumn<int>("code");
    QTest::addColumn<QRgb>("ink");
    static const char* const kSuits[] = {"clubs", "spades", "hearts", "diamonds"};
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = firstRank; rank <= lastRank; ++rank) {
            QTest::addRow("%s %d", kSuits[suit], rank)
                << suit * 13 + rank << (suit >= 2 ? kRed : kBlack);
        }
    }
}

}  // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

  private slots:
    void resourceListNamesEveryImageOnce();

    void plainCardsUseWhiteAndTheSuitInkOnly_data() { AddCardRows(1, 10); }
    void plainCardsUseWhiteAndTheSuitInkOnly();
    void courtCardsUseTheSixteenStandardColoursOnly_data() { AddCardRows(11, 13); }
    void courtCardsUseTheSixteenStandardColoursOnly();
    void cardBoxIsWholeToItsOuterRing_data() { AddCardRows(1, 13); }
    void cardBoxIsWholeToItsOuterRing();
    void signsInTheStripOfACoveredCardAreWhole_data() { AddCardRows(2, 13); }
    void signsInTheStripOfACoveredCardAreWhole();
    void cornerIndexFitsTheStripLeftVisibleAndRepeatsUpsideDown_data() { AddCardRows(1, 13); }
    void cornerIndexFitsTheStripLeftVisibleAndRepeatsUpsideDown();
    void cardFacesDifferFromEachOther();

    void tintsAndSelectionMarkArePlainFills();
    void kingIconsAreOpaqueMirrorImagesLookingAside();
    void cursorsPointWithTheirTipAtTheHotSpot();
    void iconsHaveTheirSizesAndTransparentCorners();
    void toolbarImagesAreDistinctButtonSizedPictures();
};

void ArtworkTest::resourceListNamesEveryImageOnce() {
    QStringList expected;
    for (int code = 1; code <= 52; ++code) {
        expected << CardPath(code);
    }
    for (int id : {201, 202, 203, 500, 1000, 2000}) {
        expected << QStringLiteral("bitmaps/%1.png").arg(id);
    }
    for (int size : kAppIconSizes) {
        expected << QStringLiteral("icons/app-%1.png").arg(size);
    }
    expected << QStringLiteral("icons/211.png") << QStringLiteral("icons/211@2x.png")
             << QStringLiteral("cursors/222.png") << QStringLiteral("cursors/226.png");
    for (int command : kToolbarCommands) {
        expected << QStringLiteral("toolbar/%1.png").arg(command);
    }

    QStringList listed;
    for (const char* folder : {"bitmaps", "icons", "cursors", "toolbar"}) {
        QDirIterator files(QStringLiteral(":/") + folder, QDir::Files);
        while (files.hasNext()) {
            listed << files.next().mid(2);
        }
    }
    expected.sort();
    listed.sort();
    QCOMPARE(listed, expected);
}

void ArtworkTest::plainCardsUseWhiteAndTheSuitInkOnly() {
    QFETCH(int, code);
    QFETCH(QRgb, ink);
    const QImage card = Load(CardPath(code));
    QCOMPARE(card.size(), QSize(kCardWidth, kCardHeight));
    // The tints turn exactly these two colours into the colours the player is promised.
    QCOMPARE(ColoursOf(card), QSet<QRgb>({kWhite, ink}));
}

void ArtworkTest::courtCardsUseTheSixteenStandardColoursOnly() {
    QFETCH(int, code);
    const QImage card = Load(CardPath(code));
    QCOMPARE(card.size(), QSize(kCardWidth, kCardHeight));
    const QSet<QRgb> standard = {0xff000000, 0xff800000, 0xff008000, 0xff808000,
                                 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
                                 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    const QSet<QRgb> used = ColoursOf(card);
    QVERIFY2(standard.contains(used), "a colour outside the sixteen standard ones");
    QVERIFY2(used.size() >= 6, "a court figure needs more than a few colours");
}

void ArtworkTest::cardBoxIsWholeToItsOuterRing() {
    QFETCH(int, code);
    QFETCH(QRgb, ink);
    // The whole box is copied onto the table, so the corners must not show white notches.
    const QImage card = Load(CardPath(code));
    for (int x = 0; x < kCardWidth; ++x) {
        QCOMPARE(card.pixel(x, 0), ink);
        QCOMPARE(card.pixel(x, kCardHeight - 1), ink);
    }
    for (int y = 0; y < kCardHeight; ++y) {
        QCOMPARE(card.pixel(0, y), ink);
        QCOMPARE(card.pixel(kCardWidth - 1, y), ink);
    }
}

void ArtworkTest::cornerIndexFitsTheStripLeftVisibleAndRepeatsUpsideDown() {
    QFETCH(int, code);
    QFETCH(QRgb, ink);
    const QImage card = Load(CardPath(code));
    constexpr int kIndexRight = 11;  // the index column, inside the border
    constexpr int kVisibleRows = 17;
    int inkInStrip = 0;
    for (int y = 2; y < 40; ++y) {
        for (int x = 1; x <= kIndexRight; ++x) {
            const QRgb pixel = card.pixel(x, y);
            if (y < kVisibleRows) {
                inkInStrip += pixel == ink;
            } else {
                QVERIFY2(pixel == kWhite, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            }
            QCOMPARE(card.pixel(kCardWidth - 1 - x, kCardHeight - 1 - y), pixel);
        }
    }
    QVERIFY2(inkInStrip >= 30, "rank and suit sign need more ink than that");
}

void ArtworkTest::signsInTheStripOfACoveredCardAreWhole() {
    QFETCH(int, code);
    // A covered card in a column shows its rows 0 to 17; the next card's edge lies on row
    // 18. The pips of a plain card and the sign in a court card's frame end above it.
    constexpr int kEdgeRow = 18;
    // The corner of a court card's frame, left of the figure's head, holds its sign.
    constexpr int kCourtSignLeft = 13;
    constexpr int kCourtSignRight = 24;
    const QImage card = Load(CardPath(code));
    const bool court = (code - 1) % 13 + 1 > 10;
    const int left = court ? kCourtSignLeft : 1;
    const int right = court ? kCourtSignRight : kCardWidth - 2;
    for (int x = left; x <= right; ++x) {
        QVERIFY2(card.pixel(x, kEdgeRow) == kWhite,
                 qPrintable(QStringLiteral("a sign runs under the next card at x %1").arg(x)));
    }
}

void ArtworkTest::cardFacesDifferFromEachOther() {
    QSet<QByteArray> faces;
    for (int code = 1; code <= 52; ++code) {
        const QImage card = Load(CardPath(code)).convertToFormat(QImage::Format_RGB32);
        faces.insert(
            QByteArray(reinterpret_cast<const char*>(card.constBits()), card.sizeInBytes()));
    }
    QCOMPARE(faces.size(), 52);
}

void ArtworkTest::tintsAndSelectionMarkArePlainFills() {
    const QSize cardSize(kCardWidth, kCardHeight);
    for (auto [id, colour] :
         {std::pair{201, 0xff00ff00u}, {202, 0xff00ffffu}, {500, 0xff0000ffu}}) {
        const QImage fill = Load(QStringLiteral("bitmaps/%1.png").arg(id));
        QCOMPARE(fill.size(), cardSize);
        QCOMPARE(ColoursOf(fill), QSet<QRgb>({colour}));
    }
    const QImage checker = Load(QStringLiteral("bitmaps/203.png"));
    QCOMPARE(checker.size(), cardSize);
    for (int y = 0; y < kCardHeight; ++y) {
        for (int x = 0; x < kCardWidth; ++x) {
            QCOMPARE(checker.pixel(x, y), (x + y) % 2 == 0 ? 0xff00ff00u : kWhite);
        }
    }
}

void ArtworkTest::kingIconsAreOpaqueMirrorImagesLookingAside() {
    const QImage left = Load(QStringLiteral("bitmaps/1000.png"));
    const QImage right = Load(QStringLiteral("bitmaps/2000.png"));
    QCOMPARE(left.size(), QSize(32, 32));
    QVERIFY(IsOpaque(left));
    const QImage rgbLeft = left.convertToFormat(QImage::Format_RGB32);
    const QImage rgbRight = right.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(rgbRight, rgbLeft.mirrored(true, false));
    QVERIFY2(rgbLeft != rgbRight, "a king that looks straight ahead cannot turn");
}

void ArtworkTest::cursorsPointWithTheirTipAtTheHotSpot() {
    // Thick white arrow, black outline, pointing down: the lowest pixel is the tip.
    const QImage drop = Load(QStringLiteral("cursors/222.png"));
    QCOMPARE(drop.size(), QSize(32, 32));
    const VisibleExtent down = ExtentOf(drop);
    QCOMPARE(down.bottom, 25);
    QCOMPARE(down.bottomColumns, QList<int>({13}));
    QCOMPARE(drop.pixel(13, 25), kBlack);
    QCOMPARE(drop.pixel(13, 24), kWhite);
    QCOMPARE(qAlpha(drop.pixel(0, 0)), 0);

    // Thin black arrow, white outline, pointing up: the highest pixel is the tip.
    const QImage empty = Load(QStringLiteral("cursors/226.png"));
    QCOMPARE(empty.size(), QSize(32, 32));
    const VisibleExtent up = ExtentOf(empty);
    QCOMPARE(up.top, 6);
    QCOMPARE(up.topColumns, QList<int>({14}));
    QCOMPARE(empty.pixel(14, 6), kWhite);
    QCOMPARE(empty.pixel(14, 7), kBlack);
    QCOMPARE(qAlpha(empty.pixel(0, 0)), 0);
}

void ArtworkTest::iconsHaveTheirSizesAndTransparentCorners() {
    for (int size : kAppIconSizes) {
        const QImage icon = Load(QStringLiteral("icons/app-%1.png").arg(size));
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
    // Title bars show the smallest one: drawn pixel by pixel, no edge is blurred.
    for (const QRgb colour : ColoursOf(Load(QStringLiteral("icons/app-16.png")))) {
        QVERIFY(qAlpha(colour) == 0 || qAlpha(colour) == 255);
    }
    for (const auto& [name, size] : {std::pair{"211", 32}, {"211@2x", 64}}) {
        const QImage badge = Load(QStringLiteral("icons/%1.png").arg(QLatin1String(name)));
        QCOMPARE(badge.size(), QSize(size, size));
        QCOMPARE(qAlpha(badge.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(badge.pixel(size / 2, size / 2)), 255);
    }
}

void ArtworkTest::toolbarImagesAreDistinctButtonSizedPictures() {
    QList<QImage> seen;
    for (int command : kToolbarCommands) {
        const QImage image = Load(QStringLiteral("toolbar/%1.png").arg(command));
        QCOMPARE(image.size(), QSize(16, 15));
        QVERIFY(ColoursOf(image).size() >= 3);
        QVERIFY2(!seen.contains(image), qPrintable(QString::number(command)));
        seen.append(image);
    }
}

QTEST_GUILESS_MAIN(ArtworkTest)
#include "artwork_test.moc"
