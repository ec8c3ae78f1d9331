#pragma once

#include <QString>
#include <QWidget>

// Plain multi-line text whose tabs advance to evenly spaced stops, so that
// tabbed columns line up under headings placed at multiples of the stop.
class TabbedText : public QWidget {
  public:
    TabbedText(int tabStop, QWidget* parent);

    void setText(const QString& text);
    QString text() const { return m_text; }
    int TabStop() const { return m_tabStop; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_tabStop;
    QString m_text;
};
