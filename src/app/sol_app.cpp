#include "app/sol_app.h"

#include <QApplication>

#include "about/about_dlg.h"
#include "app/icons/program_icons.h"

CSolApp::CSolApp() = default;
CSolApp::~CSolApp() = default;

bool CSolApp::InitInstance() {
    // Only the application name: a display name would be appended to every
    // window title, and the game sets its titles in full.
    // The X11 window class follows it ("kelmora", "Kelmora"), which the desktop
    // entry names as StartupWMClass; the Wayland app id is the entry's own id.
    QApplication::setApplicationName(QStringLiteral("Kelmora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelmora.Kelmora"));
    m_document = std::make_unique<CSolDoc>();
    m_frame = std::make_unique<CMainFrame>(*m_document);
    QObject::connect(m_frame.get(), &CMainFrame::aboutRequested, m_frame.get(),
                     [this] { OnAppAbout(); });
    QApplication::setWindowIcon(ApplicationIcon());
    m_frame->show();
    return m_frame->isVisible();
}

void CSolApp::OnAppAbout() {
    CAboutDlg dlg;
    m_frame->Dialogs().DoModal(dlg);
}
