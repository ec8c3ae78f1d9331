#pragma once

#include <QMainWindow>

#include "app/dialogs/qt_dialog_host.h"
#include "app/profile/ini_profile.h"
#include "app/qt_window_services.h"
#include "game/sol_view.h"

class CSolDoc;
class QAction;
class QMenu;
class QStatusBar;
class QToolBar;
class ViewWidget;

// The main window: menu, toolbar and status bar around the table. It builds
// the game on the Qt services and routes every command to it; it decides
// nothing about the game itself.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    explicit CMainFrame(const CSolDoc& document);

    // The game this window shows.
    CSolView& View() { return m_view; }
    DialogHost& Dialogs() { return m_dialogs; }

  signals:
    // "&About Kelmora...": the application answers it.
    void aboutRequested();

  private:
    using ViewCommand = void (CSolView::*)();

    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    // A menu item that carries its command id, prompt and tooltip.
    QAction* AddCommand(QMenu* menu, int id, const QString& text);
    void AddViewCommand(QMenu* menu, int id, const QString& text, ViewCommand handler);
    QAction* Command(int id) const;

    QStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    ViewWidget* m_viewWidget;
    QtWindowServices m_windowServices;
    QtDialogHost m_dialogs;
    IniProfile m_profile;
    CSolView m_view;
};
