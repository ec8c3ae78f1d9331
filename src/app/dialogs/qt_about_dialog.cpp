#include "app/dialogs/qt_about_dialog.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "about/about_dlg.h"
#include "app/dialogs/control_ids.h"
#include "platform/dialog_host.h"

namespace {
// Every character as wide as a space, so the sentence enters at the right edge
// and moves one even step per frame instead of jumping about.
QFont FixedPitch(QFont font) {
    font.setFamilies({QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

// As wide as the widest frame, so that the dialog keeps its size while the
// sentence scrolls through.
int WidestFrame(const CAboutDlg& dlg, const QFontMetrics& metrics) {
    int widest = 0;
    for (const std::string& frame : dlg.m_strFrames) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(frame)));
    }
    return widest;
}
}  // namespace

QtAboutDialog::QtAboutDialog(QWidget* owner, CAboutDlg& dlg, WindowServices& window)
    : QtModalDialog(owner, QStringLiteral("About Kelmora"), DialogIcon::Application),
      m_dlg(dlg),
      m_window(window),
      m_ticker(new QLabel(this)),
      m_timerId(startTimer(CAboutDlg::kTickerPeriodMs)) {
    m_dlg.OnInitDialog();

    m_ticker->setObjectName(QString::number(control::kTicker));
    m_ticker->setTextFormat(Qt::PlainText);
    m_ticker->setFont(FixedPitch(m_ticker->font()));
    m_ticker->setFixedWidth(WidestFrame(m_dlg, m_ticker->fontMetrics()));
    m_ticker->setFixedHeight(m_ticker->fontMetrics().height());
    ShowTicker();

    auto* version = new QLabel(QStringLiteral("Kelmora Version 1.0"), this);
    version->setTextFormat(Qt::PlainText);

    Body()->addWidget(m_ticker);
    Body()->addSpacing(12);
    Body()->addWidget(version);

    QPushButton* ok = AddButton(QStringLiteral("OK"), IDOK);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        killTimer(m_timerId);
        done(IDOK);
    });
}

void QtAboutDialog::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timerId) {
        QtModalDialog::timerEvent(event);
        return;
    }
    m_dlg.OnTimer(CAboutDlg::kTickerTimer, m_window);
    ShowTicker();
}

void QtAboutDialog::ShowTicker() {
    m_ticker->setText(QString::fromStdString(m_dlg.m_strTicker));
}
