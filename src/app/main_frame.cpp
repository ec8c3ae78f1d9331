#include "app/main_frame.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/command_strings.h"
#include "app/icons/pixel_art_icon.h"
#include "app/lock_key_panes.h"
#include "app/toolbar_docking.h"
#include "app/view_widget.h"

namespace {
// The main window opens at the top left corner of the screen, 640 x 480.
constexpr QPoint kFramePosition(0, 0);
constexpr QSize kFrameSize(640, 480);
constexpr QSize kToolBarButton(16, 15);
// Puts "Ready" exactly where the status bar writes the prompts that replace it.
constexpr QMargins kMessagePaneMargins(4, 0, 0, 3);

// The title of a fresh window, until the game's first tick names it.
const char* const kNewDocumentTitle = "Untitled - Kelmora";

// The toolbar, left to right; 0 stands for a separator.
constexpr int kToolBarLayout[] = {
    command::kNewGame,
    command::kSelectGame,
    command::kRestartGame,
    0,
    command::kOptions,
    command::kStatistics,
    0,
    command::kCardColor,
    command::kBackgroundColor,
    command::kDefaultColor,
    0,
    command::kAbout,
};
}  // namespace

CMainFrame::CMainFrame(const CSolDoc& document)
    : m_viewWidget(new ViewWidget(this)),
      m_windowServices(this, m_viewWidget),
      m_dialogs(this, m_windowServices),
      m_profile(IniProfile::DefaultPath()),
      m_view(document,
             Platform{m_viewWidget->DrawingSurface(), m_windowServices, m_dialogs, m_profile}) {
    setWindowTitle(QString::fromLatin1(kNewDocumentTitle));
    move(kFramePosition);
    resize(kFrameSize);
    m_windowServices.SetTimerHandler([this](int id) { m_view.OnTimer(static_cast<unsigned>(id)); });
    m_viewWidget->SetView(m_view);
    setCentralWidget(m_viewWidget);

    // The view's initial update comes first: the start-up tick's 100 ms then
    // run while the bars below load the fonts and the window is laid out and
    // first painted, instead of after.
    m_view.OnInitialUpdate();
    m_wndToolBar = new QToolBar(this);
    m_wndStatusBar = new QStatusBar(this);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
}

void CMainFrame::CreateMenus() {
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    AddViewCommand(game, command::kNewGame, QStringLiteral("&New Game"), &CSolView::OnNewGame);
    AddViewCommand(game, command::kSelectGame, QStringLiteral("&Select Game..."),
                   &CSolView::OnSelectGame);
    AddViewCommand(game, command::kRestartGame, QStringLiteral("&Restart Game"),
                   &CSolView::OnRestartGame);
    game->addSeparator();
    AddViewCommand(game, command::kOptions, QStringLiteral("&Options..."), &CSolView::OnOptions);
    AddViewCommand(game, command::kStatistics, QStringLiteral("S&tatistics.."),
                   &CSolView::OnStatistics);
    game->addSeparator();
    connect(AddCommand(game, command::kExit, QStringLiteral("E&xit")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    // The toolbar's own toggle stays in step however the toolbar is closed.
    QAction* toolBar = m_wndToolBar->toggleViewAction();
    toolBar->setText(QStringLiteral("&Tool Bar"));
    toolBar->setData(command::kToggleToolBar);
    view->addAction(toolBar);
    QAction* statusBar = AddCommand(view, command::kToggleStatusBar, QStringLiteral("&Statusbar"));
    statusBar->setCheckable(true);
    statusBar->setChecked(true);
    connect(statusBar, &QAction::toggled, m_wndStatusBar, &QWidget::setVisible);

    QMenu* colour = menuBar()->addMenu(QStringLiteral("&Color"));
    AddViewCommand(colour, command::kCardColor, QStringLiteral("&Card Color"),
                   &CSolView::OnCardColor);
    AddViewCommand(colour, command::kDefaultColor, QStringLiteral("&Default Color"),
                   &CSolView::OnDefaultColor);
    AddViewCommand(colour, command::kBackgroundColor, QStringLiteral("&Back Gnd Color"),
                   &CSolView::OnBackgroundColor);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(AddCommand(help, command::kAbout, QStringLiteral("&About Kelmora...")),
            &QAction::triggered, this, &CMainFrame::aboutRequested);
}

void CMainFrame::CreateToolBar() {
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(kToolBarButton);
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setFloatable(true);
    // Under Wayland a program cannot place its windows: a floated toolbar would
    // land wherever the compositor puts it, over the table as often as not.
    // There it docks on any edge and never floats.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        new ToolBarDocking(this, m_wndToolBar);
    }
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : kToolBarLayout) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = Command(id);
        action->setIcon(PixelArtIcon(QStringLiteral(":/toolbar/%1.png").arg(id)));
        action->setIconVisibleInMenu(false);
        m_wndToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::CreateStatusBar() {
    // The message pane gives way to a command's prompt while one is shown.
    auto* messagePane = new QLabel(IdleStatusText(), m_wndStatusBar);
    messagePane->setContentsMargins(kMessagePaneMargins);
    m_wndStatusBar->addWidget(messagePane, 1);
    new LockKeyPanes(m_wndStatusBar);
    setStatusBar(m_wndStatusBar);
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const QString& text) {
    auto* action = new QAction(text, this);
    action->setData(id);
    const CommandPrompt prompt = PromptFor(id);
    action->setStatusTip(prompt.statusTip);
    if (!prompt.toolTip.isEmpty()) {
        action->setToolTip(prompt.toolTip);
    }
    menu->addAction(action);
    return action;
}

void CMainFrame::AddViewCommand(QMenu* menu, int id, const QString& text, ViewCommand handler) {
    QAction* action = AddCommand(menu, id, text);
    connect(action, &QAction::triggered, this, [this, handler] { (m_view.*handler)(); });
}

QAction* CMainFrame::Command(int id) const {
    for (QAction* action : findChildren<QAction*>()) {
        if (action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}
