// The committed artwork, read through the compiled resource list the way the game reads it.
#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <utility>

namespace {
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kGreen = 0xff00ff00;
constexpr QSize kCard(71, 96);

QImage Load(const QString& path) {
    return QImage(QStringLiteral(":/") + path);
}

QImage Bitmap(int id) {
    return Load(QStringLiteral("bitmaps/%1.png").arg(id));
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
}  // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

  private slots:
    void cardFacesKeepTheRulesOfTheTableAndDifferFromEachOther() {
        const QSet<QRgb> standard = {0xff000000, 0xff800000, 0xff008000, 0xff808000,
                                     0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
                                     0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                     0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
        QSet<QByteArray> faces;
        for (int code = 1; code <= 52; ++code) {
            const QImage card = Bitmap(code).convertToFormat(QImage::Format_RGB32);
            const QRgb ink = code > 26 ? kRed : kBlack;
            const int rank = (code - 1) % 13 + 1;
            QCOMPARE(card.size(), kCard);
            faces.insert(QByteArray(reinterpret_cast<const char*>(card.constBits()),
                                    static_cast<int>(card.sizeInBytes())));
            // The tints turn exactly white and the ink into the promised colours.
            const QSet<QRgb> used = ColoursOf(card);
            QVERIFY(rank <= 10 ? used == QSet<QRgb>({kWhite, ink})
                               : standard.contains(used) && used.size() >= 6);
            // The whole box is copied onto the table: no white notches in its ring.
            for (int x = 0; x < kCard.width(); ++x) {
                QVERIFY(card.pixel(x, 0) == ink && card.pixel(x, kCard.height() - 1) == ink);
            }
            for (int y = 0; y < kCard.height(); ++y) {
                QVERIFY(card.pixel(0, y) == ink && card.pixel(kCard.width() - 1, y) == ink);
            }
            // The corner index fits the 17 rows a covered card shows, and repeats upside down.
            int inkInStrip = 0;
            for (int y = 2; y < 40; ++y) {
                for (int x = 1; x <= 11; ++x) {
                    const QRgb pixel = card.pixel(x, y);
                    inkInStrip += y < 17 && pixel == ink;
                    QVERIFY(y < 17 || pixel == kWhite);
                    QCOMPARE(card.pixel(kCard.width() - 1 - x, kCard.height() - 1 - y), pixel);
                }
            }
            QVERIFY(inkInStrip >= 30);
            // The next card's edge lies on row 18: pips, and the sign left of a court
            // figure's head, end above it.
            for (int x = rank > 10 ? 13 : 1; rank > 1 && x <= (rank > 10 ? 24 : 69); ++x) {
                QVERIFY2(card.pixel(x, 18) == kWhite, qPrintable(QString::number(code)));
            }
        }
        QCOMPARE(faces.size(), 52);
    }

    void tintsMarkAndKingsArePlainFillsAndMirrorImages() {
        for (auto [id, colour] : {std::pair{201, kGreen}, {202, 0xff00ffffu}, {500, 0xff0000ffu}}) {
            QCOMPARE(Bitmap(id).size(), kCard);
            QCOMPARE(ColoursOf(Bitmap(id)), QSet<QRgb>({colour}));
        }
        QImage checker(kCard, QImage::Format_RGB32);
        for (int y = 0; y < kCard.height(); ++y) {
            for (int x = 0; x < kCard.width(); ++x) {
                checker.setPixel(x, y, (x + y) % 2 == 0 ? kGreen : kWhite);
            }
        }
        QCOMPARE(Bitmap(203).convertToFormat(QImage::Format_RGB32), checker);
        const QImage left = Bitmap(1000).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(left.size(), QSize(32, 32));
        QVERIFY(std::ranges::all_of(ColoursOf(left), [](QRgb c) { return qAlpha(c) == 255; }));
        QCOMPARE(Bitmap(2000).convertToFormat(QImage::Format_ARGB32), left.mirrored(true, false));
        QVERIFY2(left != left.mirrored(true, false),
                 "a king that looks straight ahead cannot turn");
    }

    // The drop arrow points down with its black tip at (13, 25) and white behind;
    // the empty-cell arrow points up with its white tip at (14, 6) and black behind.
    void cursorsPointWithTheirTipAtTheHotSpot() {
        for (const auto& [name, tip, step, ink] :
             {std::tuple{"222", QPoint(13, 25), 1, kBlack}, {"226", QPoint(14, 6), -1, kWhite}}) {
            const QImage cursor = Load(QStringLiteral("cursors/%1.png").arg(name));
            QCOMPARE(cursor.size(), QSize(32, 32));
            for (int y = tip.y(); y >= 0 && y < 32; y += step) {
                for (int x = 0; x < 32; ++x) {
                    QCOMPARE(qAlpha(cursor.pixel(x, y)) != 0, y == tip.y() && x == tip.x());
                }
            }
            QCOMPARE(cursor.pixel(tip), ink);
            QCOMPARE(cursor.pixel(tip - QPoint(0, step)), ink ^ 0xffffff);
        }
    }

    void iconsAndToolbarImagesHaveTheirSizes() {
        for (const auto& [name, size] :
             {std::pair{"app-16", 16}, {"app-64", 64}, {"app-256", 256}, {"211@2x", 64}}) {
            const QImage icon = Load(QStringLiteral("icons/%1.png").arg(QLatin1String(name)));
            QCOMPARE(icon.size(), QSize(size, size));
            QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
        QList<QImage> seen;
        for (QDirIterator files(QStringLiteral(":/toolbar"), QDir::Files); files.hasNext();) {
            const QImage image(files.next());
            QCOMPARE(image.size(), QSize(16, 15));
            QVERIFY(ColoursOf(image).size() >= 3 && !seen.contains(image));
            seen.append(image);
        }
        QCOMPARE(seen.size(), 9);
    }
};

QTEST_GUILESS_MAIN(ArtworkTest)
#include "artwork_test.moc"
