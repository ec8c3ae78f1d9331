#include "app_icon.h"

#include <QPainterPath>
#include <QPolygonF>

#include <string_view>

#include "palette.h"
#include "pixel_art.h"
#include "supersample.h"

namespace artgen {
namespace {

constexpr double kIconUnits = 128.0;

const QColor kOutline(0x30, 0x22, 0x18);
const QColor kCardWhite(0xfb, 0xfb, 0xf7);
const QColor kHeartRed(0xd6, 0x1f, 0x26);
const QColor kGold(0xf6, 0xc2, 0x1c);
const QColor kGoldDark(0x8a, 0x5c, 0x00);
const QColor kSkin(0xf4, 0xc6, 0x9c);
const QColor kSilver(0xe4, 0xe4, 0xe8);
const QColor kSilverDark(0x8c, 0x8c, 0x96);
const QColor kRobe(0xb8, 0x1c, 0x24);
const QColor kJewelBlue(0x1e, 0x4c, 0xd0);

QPen Outline(const QColor& colour, double width) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPainterPath Heart(const QRectF& box) {
    const double l = box.left(), t = box.top(), w = box.width(), h = box.height();
    QPainterPath path;
    path.moveTo(l + w / 2, t + h * 0.3);
    path.cubicTo(l + w / 2, t, l, t, l, t + h * 0.3);
    path.cubicTo(l, t + h * 0.6, l + w / 2, t + h * 0.8, l + w / 2, t + h);
    path.cubicTo(l + w / 2, t + h * 0.8, l + w, t + h * 0.6, l + w, t + h * 0.3);
    path.cubicTo(l + w, t, l + w / 2, t, l + w / 2, t + h * 0.3);
    return path;
}

// A card leaning to the left behind the king, a heart in its corner and its middle.
void PaintCard(QPainter& painter) {
    painter.save();
    painter.translate(42, 66);
    painter.rotate(-14);
    painter.setPen(Outline(kOutline, 3));
    painter.setBrush(kCardWhite);
    painter.drawRoundedRect(QRectF(-30, -44, 60, 88), 7, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHeartRed);
    painter.drawPath(Heart(QRectF(-24, -38, 11, 10)));
    painter.drawPath(Heart(QRectF(-20, -12, 22, 20)));
    painter.restore();
}

void PaintShoulders(QPainter& painter) {
    QPainterPath robe;
    robe.moveTo(40, 128);
    robe.cubicTo(40, 104, 56, 96, 80, 96);
    robe.cubicTo(104, 96, 120, 104, 120, 128);
    robe.closeSubpath();
    painter.setPen(Outline(kOutline, 3));
    painter.setBrush(kRobe);
    painter.drawPath(robe);
}

void PaintHead(QPainter& painter) {
    painter.setPen(Outline(kSilverDark, 2.5));
    painter.setBrush(kSilver);
    painter.drawEllipse(QPointF(80, 68), 27, 22);  // hair behind the face

    painter.setPen(Outline(kOutline, 2.5));
    painter.setBrush(kSkin);
    painter.drawEllipse(QPointF(80, 72), 20, 21);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kOutline);
    painter.drawEllipse(QPointF(72, 70), 2.6, 3);
    painter.drawEllipse(QPointF(88, 70), 2.6, 3);

    QPainterPath beard;
    beard.moveTo(60, 76);
    beard.cubicTo(60, 100, 72, 110, 80, 120);
    beard.cubicTo(88, 110, 100, 100, 100, 76);
    beard.cubicTo(94, 86, 66, 86, 60, 76);
    painter.setPen(Outline(kSilverDark, 2.5));
    painter.setBrush(kSilver);
    painter.drawPath(beard);
    painter.drawEllipse(QPointF(73, 84), 8, 3.5);  // moustache
    painter.drawEllipse(QPointF(87, 84), 8, 3.5);
}

void PaintCrown(QPainter& painter) {
    const QPolygonF crown({{54, 54},
                           {52, 20},
                           {63, 36},
                           {67, 14},
                           {74, 34},
                           {80, 10},
                           {86, 34},
                           {93, 14},
                           {97, 36},
                           {108, 20},
                           {106, 54}});
    painter.setPen(Outline(kGoldDark, 3));
    painter.setBrush(kGold);
    painter.drawPolygon(crown);
    painter.drawLine(QPointF(54, 45), QPointF(106, 45));
    for (const QPointF tip :
         {QPointF(52, 19), QPointF(67, 13), QPointF(80, 9), QPointF(93, 13), QPointF(108, 19)}) {
        painter.drawEllipse(tip, 3.5, 3.5);
    }
    painter.setPen(Outline(kGoldDark, 1.5));
    painter.setBrush(kHeartRed);
    painter.drawEllipse(QPointF(80, 50), 4, 3);
    painter.setBrush(kJewelBlue);
    painter.drawEllipse(QPointF(65, 50), 3, 2.5);
    painter.drawEllipse(QPointF(95, 50), 3, 2.5);
}

// The same king and card for the smallest size, one pixel per detail: a smooth drawing
// shrunk to 16 pixels blurs crown, face and heart into one smudge.
// K outline, W card, R heart and jewel, Y and D gold, B jewel, S face, H and G silver hair and
// beard, P robe.
// clang-format off
constexpr std::string_view kSmallIcon[] = {
    ".......Y..YY..Y.",
    ".......YY.YY.YY.",
    ".......YYYYYYYY.",
    ".......DBDRRDBD.",
    "KKKKKKGHSSSSSSHG",
    "KWWWWKGHSKSSKSHG",
    "KWWWWKGHSSSSSSHG",
    "KWWWWKGHHWSSWHHG",
    "KWRWRKGHHHHHHHHG",
    "KWRRRKPGHHHHHHGP",
    "KWWRWKPPGHHHHGPP",
    "KWWWWKPPPGHHGPPP",
    "KWWWWKPPPPGGPPPP",
    "KWWWWKPPPPPYPPPP",
    "KWWWWKPPPPPYPPPP",
    "KKKKKKPPPPPYPPPP",
};
// clang-format on
constexpr int kSmallIconSize = 16;

QImage SmallAppIcon() {
    const ColourKey key = {
        {'K', kOutline.rgb()}, {'W', kCardWhite.rgb()}, {'R', kHeartRed.rgb()},
        {'Y', kGold.rgb()},    {'D', kGoldDark.rgb()},  {'B', kJewelBlue.rgb()},
        {'S', kSkin.rgb()},    {'H', kSilver.rgb()},    {'G', kSilverDark.rgb()},
        {'P', kRobe.rgb()},
    };
    return ArtImage(kSmallIcon, key, colour::kClear, QImage::Format_ARGB32);
}

}  // namespace

QImage AppIcon(int size) {
    if (size == kSmallIconSize) {
        return SmallAppIcon();
    }
    return Supersampled(size, kIconUnits, [](QPainter& painter) {
        PaintCard(painter);
        PaintShoulders(painter);
        PaintHead(painter);
        PaintCrown(painter);
    });
}

QImage QuestionBadge(int size) {
    return Supersampled(size, 32.0, [](QPainter& painter) {
        painter.setPen(Outline(QColor(0x10, 0x2a, 0x80), 1.5));
        painter.setBrush(QColor(0x24, 0x5c, 0xe0));
        painter.drawEllipse(QPointF(16, 16), 14.5, 14.5);

        QPainterPath hook;
        hook.moveTo(11, 12);
        hook.arcTo(QRectF(11, 6.5, 10, 10), 180, -250);
        hook.lineTo(16, 19);
        painter.setPen(Outline(Qt::white, 3.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(hook);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(16, 24), 2.2, 2.2);
    });
}

}  // namespace artgen
