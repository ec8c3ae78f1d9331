#include "app/dialogs/tabbed_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

TabbedText::TabbedText(int tabStop, QWidget* parent) : QWidget(parent), m_tabStop(tabStop) {}

void TabbedText::setText(const QString& text) {
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

QSize TabbedText::sizeHint() const {
    return fontMetrics().size(Qt::TextExpandTabs, m_text, m_tabStop);
}

void TabbedText::paintEvent(QPaintEvent*) {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setTabStopDistance(m_tabStop);
    option.setWrapMode(QTextOption::NoWrap);

    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QRectF(rect()), m_text, option);
}
