#include "app/dialogs/qt_statistics_dialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/control_ids.h"
#include "app/dialogs/tabbed_text.h"
#include "platform/dialog_host.h"
#include "score/statistics_dlg.h"

namespace {
// The statistics text puts the percentage on its sixth line, where "Total "
// stands beside it.
constexpr int kTotalLine = 5;

// One tab stop holds a game number or a time with room to spare. A line reads
// "#game", two tabs, the time, one tab, the name: so the time stands at the
// second stop and the name at the third.
int TabStopFor(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QStringLiteral("#00000")) +
           2 * metrics.horizontalAdvance(QLatin1Char(' ')) + metrics.averageCharWidth();
}

QLabel* Heading(const QString& text, int width, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    if (width > 0) {
        label->setFixedWidth(width);
    }
    return label;
}
}  // namespace

QtStatisticsDialog::QtStatisticsDialog(QWidget* owner, CStatisticsDlg& dlg, DialogHost& host)
    : QtModalDialog(owner, QStringLiteral("Statistics"), DialogIcon::Application), m_dlg(dlg) {
    const QFontMetrics metrics = fontMetrics();
    m_text = new TabbedText(TabStopFor(metrics), this);
    // The headings stand at the text's own stops, so they line up with its columns.
    const int tabStop = m_text->TabStop();
    m_text->setObjectName(QString::number(control::kStatisticsText));

    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->addWidget(Heading(QStringLiteral("Game No."), 2 * tabStop, this));
    headings->addWidget(Heading(QStringLiteral("Time"), tabStop, this));
    headings->addWidget(Heading(QStringLiteral("Name"), 0, this), 1);

    auto* ranks = new QLabel(QStringLiteral("1.\n2.\n3."), this);
    auto* lineLabels = new QVBoxLayout;
    lineLabels->setSpacing(0);
    lineLabels->addWidget(ranks);
    lineLabels->addSpacing(kTotalLine * metrics.lineSpacing() - ranks->sizeHint().height());
    lineLabels->addWidget(new QLabel(QStringLiteral("Total "), this));
    lineLabels->addStretch();

    auto* table = new QGridLayout;
    table->setVerticalSpacing(2);
    table->setHorizontalSpacing(metrics.averageCharWidth());
    table->addWidget(new QLabel(QStringLiteral("Top Scores"), this), 0, 0, 1, 2);
    table->addLayout(headings, 1, 1);
    table->addLayout(lineLabels, 2, 0);
    table->addWidget(m_text, 2, 1);
    Body()->addLayout(table);

    AddClosingButton(QStringLiteral("OK"), IDOK)->setDefault(true);
    QPushButton* clear = AddButton(QStringLiteral("Clear"), control::kClear);
    connect(clear, &QPushButton::clicked, this, [this, &host] {
        m_dlg.OnClear(host);
        ShowText();
    });

    m_dlg.OnInitDialog();
    ShowText();
}

void QtStatisticsDialog::ShowText() {
    m_text->setText(QString::fromStdString(m_dlg.m_strText));
}
