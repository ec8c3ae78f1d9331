#pragma once

#include <QString>
#include <QWidget>

// Plain multi-line text whose tabs advance to evenly spaced stops, so that
// tabbed columns line up under headings placed at multiples of the stop.
class TabbedText : public QWidget {
  public:
    TabbedText(int tabStop, QWidget* parent);

    // Shows `text`; it is also the widget's accessible name, as a label's
    // text is, so screen readers read what is drawn.
    void setText(const QString& text);
    // The distance between two stops, for whatever lines up with the columns.
    int TabStop() const { return m_tabStop; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_tabStop;
    QString m_text;
};
