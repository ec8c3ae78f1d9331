#include "app/dialogs/qt_dialog_host.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

#include "about/about_dlg.h"
#include "app/dialogs/control_ids.h"
#include "app/dialogs/qt_about_dialog.h"
#include "app/dialogs/qt_modal_dialog.h"
#include "app/dialogs/qt_statistics_dialog.h"
#include "game/game_dialogs.h"
#include "moves/move_choice_dlg.h"
#include "score/game_end_dlgs.h"
#include "score/statistics_dlg.h"
#include "settings/options_dlg.h"

namespace {
void AddText(QtModalDialog& dialog, const QString& text) {
    auto* label = new QLabel(text, &dialog);
    label->setTextFormat(Qt::PlainText);
    dialog.Body()->addWidget(label);
}

QLineEdit* AddEdit(QtModalDialog& dialog, const std::string& text) {
    auto* edit = new QLineEdit(QString::fromStdString(text), &dialog);
    edit->setObjectName(QString::number(control::kEdit));
    dialog.Body()->addWidget(edit);
    return edit;
}

QCheckBox* AddCheckBox(QtModalDialog& dialog, const QString& text, int id, int checked) {
    auto* box = new QCheckBox(text, &dialog);
    box->setObjectName(QString::number(id));
    box->setChecked(checked == 1);
    dialog.Body()->addWidget(box);
    return box;
}

// The confirmations: a question with "Yes" (OK, default) and "No" (Cancel).
int AskYesNo(QWidget* owner, const QString& title, const QString& question) {
    QtModalDialog dialog(owner, title, DialogIcon::Question);
    AddText(dialog, question);
    dialog.AddClosingButton(QStringLiteral("Yes"), IDOK)->setDefault(true);
    dialog.AddClosingButton(QStringLiteral("No"), IDCANCEL);
    return dialog.exec();
}
}  // namespace

QtDialogHost::QtDialogHost(QWidget* owner, WindowServices& window)
    : m_owner(owner), m_window(window) {}

int QtDialogHost::DoModal(CNewGameDlg&) {
    return AskYesNo(ModalOwner(m_owner), QStringLiteral("New Game"),
                    QStringLiteral("Are you sure you want to start a new Game ?"));
}

int QtDialogHost::DoModal(CRestartDlg&) {
    return AskYesNo(ModalOwner(m_owner), QStringLiteral("Restart Game"),
                    QStringLiteral("Are you sure you want to restart the Game ?"));
}

int QtDialogHost::DoModal(CClearStatsDlg&) {
    return AskYesNo(ModalOwner(m_owner), QStringLiteral("Clear Statistics"),
                    QStringLiteral("Are you sure you want to clear all statistics ?"));
}

int QtDialogHost::DoModal(CSelectGameDlg& dlg) {
    QtModalDialog dialog(ModalOwner(m_owner), QStringLiteral("Select Game"),
                         DialogIcon::Application);
    AddText(dialog, QStringLiteral("Select a Game Number between 0 & 45900 "));
    QLineEdit* edit = AddEdit(dialog, dlg.m_strEdit);

    QPushButton* ok = dialog.AddButton(QStringLiteral("OK"), IDOK);
    ok->setDefault(true);
    dialog.AddClosingButton(QStringLiteral("Cancel"), IDCANCEL);
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        dlg.m_strEdit = edit->text().toStdString();
        if (dlg.OnOK(m_window)) {
            dialog.done(IDOK);
        } else {
            // The "0" is selected, so that typing the next number replaces it.
            edit->setText(QString::fromStdString(dlg.m_strEdit));
            edit->selectAll();
            edit->setFocus();
        }
    });
    return dialog.exec();
}

int QtDialogHost::DoModal(CMoveChoiceDlg& dlg) {
    QtModalDialog dialog(ModalOwner(m_owner), QStringLiteral("Select"), DialogIcon::Application);
    QPushButton* column = MakeButton(QStringLiteral("Move Column"), control::kMoveColumn, &dialog);
    QPushButton* single =
        MakeButton(QStringLiteral("Move Single Card"), control::kMoveSingleCard, &dialog);
    QPushButton* cancel = MakeButton(QStringLiteral("Cancel"), IDCANCEL, &dialog);
    // The stacked buttons share one width, with room around the longest caption.
    const int margin = 2 * dialog.fontMetrics().averageCharWidth();
    for (QPushButton* button : {column, single, cancel}) {
        button->setMinimumWidth(single->sizeHint().width() + margin);
        dialog.Body()->addWidget(button);
    }
    column->setDefault(true);
    QObject::connect(column, &QPushButton::clicked, &dialog, [&] {
        dlg.OnMoveColumn();
        dialog.done(CMoveChoiceDlg::kMoved);
    });
    QObject::connect(single, &QPushButton::clicked, &dialog, [&] {
        dlg.OnMoveSingleCard();
        dialog.done(CMoveChoiceDlg::kMoved);
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QtModalDialog::reject);
    return dialog.exec();
}

int QtDialogHost::DoModal(CHighScoreDlg& dlg) {
    QtModalDialog dialog(ModalOwner(m_owner), QStringLiteral("High Score"),
                         DialogIcon::Application);
    AddText(dialog,
            QStringLiteral(
                "Congratulations, You have achieved a high score!\nPlease Enter your Name: "));
    QLineEdit* edit = AddEdit(dialog, dlg.m_strName);
    // Typing stops where the kept name would end.
    edit->setMaxLength(static_cast<int>(kMaxNameLength));
    dialog.AddClosingButton(QStringLiteral("OK"), IDOK)->setDefault(true);

    const int result = dialog.exec();
    if (result == IDOK) {
        dlg.m_strName = edit->text().toStdString();
        dlg.OnOK();
    }
    return result;
}

int QtDialogHost::DoModal(CGameWonDlg& dlg) {
    QtModalDialog dialog(ModalOwner(m_owner), QStringLiteral("Game Over"), DialogIcon::Application);
    AddText(dialog, QStringLiteral("Congratulations ,You Win!"));

    struct Choice {
        int id;
        QString text;
        int choice;
    };
    const Choice choices[] = {
        {control::kNewGameRadio, QStringLiteral("New Game"), CGameWonDlg::kNewGame},
        {control::kSameGameRadio, QStringLiteral("Same Game"), CGameWonDlg::kSameGame},
        {control::kSelectGameRadio, QStringLiteral("Select Game"), CGameWonDlg::kSelectGame},
    };
    dlg.OnInitDialog();
    for (const Choice& choice : choices) {
        auto* radio = new QRadioButton(choice.text, &dialog);
        radio->setObjectName(QString::number(choice.id));
        radio->setChecked(choice.choice == dlg.m_nChoice);
        dialog.Body()->addWidget(radio);
        QObject::connect(radio, &QRadioButton::clicked, &dialog,
                         [&dlg, value = choice.choice] { dlg.m_nChoice = value; });
    }
    dialog.AddClosingButton(QStringLiteral("OK"), IDOK)->setDefault(true);
    return dialog.exec();
}

int QtDialogHost::DoModal(CGameLostDlg& dlg) {
    QtModalDialog dialog(ModalOwner(m_owner), QStringLiteral("Game Over"), DialogIcon::Question);
    AddText(dialog, QStringLiteral("Sorry, you lose.\nDo you want to play again ?"));
    QCheckBox* sameGame =
        AddCheckBox(dialog, QStringLiteral("Same Game"), control::kSameGameCheck, dlg.m_bSameGame);
    dialog.AddClosingButton(QStringLiteral("Yes"), IDOK)->setDefault(true);
    dialog.AddClosingButton(QStringLiteral("No"), IDCANCEL);

    const int result = dialog.exec();
    if (result == IDOK) {
        dlg.m_bSameGame = sameGame->isChecked() ? 1 : 0;
    }
    return result;
}

int QtDialogHost::DoModal(CStatisticsDlg& dlg) {
    QtStatisticsDialog dialog(ModalOwner(m_owner), dlg, *this);
    return dialog.exec();
}

int QtDialogHost::DoModal(COptionsDlg& dlg) {
    QtModalDialog dialog(ModalOwner(m_owner), QStringLiteral("Options"), DialogIcon::Application);
    QCheckBox* leftDoubleClick =
        AddCheckBox(dialog, QStringLiteral("LButton Double Click moves card to left cell"),
                    control::kLeftDoubleClick, dlg.m_bDblClk);
    QCheckBox* rightDoubleClick =
        AddCheckBox(dialog, QStringLiteral("Rbutton Double Click moves card to right cell"),
                    control::kRightDoubleClick, dlg.m_bRclk);
    QCheckBox* showTimer =
        AddCheckBox(dialog, QStringLiteral("Displays Timer in the client area of the window "),
                    control::kShowTimer, dlg.m_bShow);
    dialog.AddClosingButton(QStringLiteral("OK"), IDOK)->setDefault(true);
    dialog.AddClosingButton(QStringLiteral("Cancel"), IDCANCEL);

    const int result = dialog.exec();
    if (result == IDOK) {
        dlg.m_bShow = showTimer->isChecked() ? 1 : 0;
        dlg.m_bDblClk = leftDoubleClick->isChecked() ? 1 : 0;
        dlg.m_bRclk = rightDoubleClick->isChecked() ? 1 : 0;
    }
    return result;
}

int QtDialogHost::DoModal(CAboutDlg& dlg) {
    QtAboutDialog dialog(ModalOwner(m_owner), dlg, m_window);
    return dialog.exec();
}
