#include "app/dialogs/qt_about_dialog.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>
#include <string>

#include "about/about_dlg.h"
#include "app/dialogs/control_ids.h"
#include "app/dialogs/qt_modal_dialog.h"
#include "app/icons/program_icons.h"
#include "platform/dialog_host.h"

namespace {
constexpr int kIconSize = 32;

// A box in dialog units: a quarter of the font's average character width
// across, an eighth of its height down.
struct Units {
    int x, y, width, height;
};
constexpr Units kDialogSize{0, 0, 166, 129};
constexpr Units kIconBox{13, 7, 21, 20};
constexpr Units kVersionBox{13, 37, 101, 19};
constexpr Units kOkBox{104, 23, 44, 14};
constexpr Units kTickerBox{41, 15, 72, 8};

QRect InPixels(const Units& box, const QFontMetrics& metrics) {
    const auto across = [&metrics](int units) {
        return static_cast<int>(std::lround(units * metrics.averageCharWidth() / 4.0));
    };
    const auto down = [&metrics](int units) {
        return static_cast<int>(std::lround(units * metrics.height() / 8.0));
    };
    return QRect(across(box.x), down(box.y), across(box.width), down(box.height));
}

// Every character as wide as a space, so the sentence enters at the right edge
// and moves one even step per frame instead of jumping about; as large as the
// ticker's box lets a whole frame be.
QFont TickerFont(const QFont& dialogFont, const QRect& box, int characters) {
    QFont font = dialogFont;
    font.setFamilies({QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    for (int pixels = box.height(); pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(QString(characters, QLatin1Char('M'))) <= box.width() &&
            metrics.height() <= box.height()) {
            break;
        }
    }
    return font;
}
}  // namespace

QtAboutDialog::QtAboutDialog(QWidget* owner, CAboutDlg& dlg, WindowServices& window)
    : QDialog(owner, kCloseBoxOnly), m_dlg(dlg), m_window(window), m_ticker(new QLabel(this)) {
    setWindowTitle(QStringLiteral("About Kelmora"));
    const QFontMetrics metrics = fontMetrics();
    // Widened where the title bar needs more room, its controls where they stand.
    const QSize size = InPixels(kDialogSize, metrics).size();
    setFixedSize(std::max(size.width(), TitleWidth(windowTitle(), font())), size.height());

    auto* icon = new QLabel(this);
    icon->setGeometry(InPixels(kIconBox, metrics));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setPixmap(ApplicationIcon().pixmap(kIconSize, kIconSize));

    auto* version = new QLabel(QStringLiteral("Kelmora Version 1.0"), this);
    version->setTextFormat(Qt::PlainText);
    version->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    version->setGeometry(InPixels(kVersionBox, metrics));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    ok->setGeometry(InPixels(kOkBox, metrics));
    connect(ok, &QPushButton::clicked, this, [this] {
        m_timer.Stop();
        done(IDOK);
    });

    m_dlg.OnInitDialog();
    m_timer.Start(CAboutDlg::kTickerPeriodMs, this);
    const QRect tickerBox = InPixels(kTickerBox, metrics);
    m_ticker->setObjectName(QString::number(control::kTicker));
    m_ticker->setTextFormat(Qt::PlainText);
    m_ticker->setFont(TickerFont(font(), tickerBox, static_cast<int>(m_dlg.m_strFrames[1].size())));
    m_ticker->setGeometry(tickerBox);
    ShowTicker();
}

void QtAboutDialog::reject() {
    done(IDCANCEL);
}

void QtAboutDialog::timerEvent(QTimerEvent* event) {
    if (!m_timer.IsTick(*event)) {
        QDialog::timerEvent(event);
        return;
    }
    m_timer.Run([this] { m_dlg.OnTimer(CAboutDlg::kTickerTimer, m_window); });
    ShowTicker();
}

void QtAboutDialog::ShowTicker() {
    m_ticker->setText(QString::fromStdString(m_dlg.m_strTicker));
}
