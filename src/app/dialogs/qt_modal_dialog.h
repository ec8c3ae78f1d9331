#pragma once

#include <QDialog>
#include <QFont>
#include <QString>

class QBoxLayout;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// Which picture stands at the left of a dialog.
enum class DialogIcon {
    Application,  // icon 128, the program's own
    Question,     // icon 211, for the "Are you sure" questions
};

// A dialog's title bar: its title and a close box, nothing to minimise or
// maximise a box of fixed size.
inline constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The width at which a dialog's title shows whole on its title bar, for a
// dialog in `font`.
int TitleWidth(const QString& title, QFont font);

// A fixed-size modal dialog, wide enough for its whole title, with a close
// box alone on its title bar: its icon at the top left, its contents beside the
// icon, its buttons in a row at the bottom right. Escape and the close box end
// it with IDCANCEL, as the game expects, rather than Qt's 0.
class QtModalDialog : public QDialog {
  public:
    QtModalDialog(QWidget* owner, const QString& title, DialogIcon icon);

    // Where the dialog's own controls go, top to bottom.
    QVBoxLayout* Body() const { return m_body; }

    // A button in the bottom row, named by its control id.
    QPushButton* AddButton(const QString& text, int id);
    // A bottom-row button that ends the dialog with its control id as result.
    QPushButton* AddClosingButton(const QString& text, int id);

    void reject() override;

  private:
    QVBoxLayout* m_outer;
    QVBoxLayout* m_body;
    QHBoxLayout* m_buttons = nullptr;
};

// A push button named by its control id.
QPushButton* MakeButton(const QString& text, int id, QWidget* parent);

// The window a new dialog or box belongs to: the dialog already open, if any,
// so that the new one stacks and centres over it; otherwise the main window.
QWidget* ModalOwner(QWidget* mainWindow);
