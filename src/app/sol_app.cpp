#include "app/sol_app.h"

#include <QApplication>
#include <QIcon>

#include "settings/about_dlg.h"

namespace {
QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/app-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
}  // namespace

CSolApp::CSolApp() = default;
CSolApp::~CSolApp() = default;

bool CSolApp::InitInstance() {
    // Only the application name: a display name would be appended to every
    // window title, and the game sets its titles in full.
    QApplication::setApplicationName(QStringLiteral("Kelmora"));
    QApplication::setWindowIcon(ApplicationIcon());

    m_document = std::make_unique<CSolDoc>();
    m_frame = std::make_unique<CMainFrame>(*m_document);
    QObject::connect(m_frame.get(), &CMainFrame::aboutRequested, m_frame.get(),
                     [this] { OnAppAbout(); });
    m_frame->show();
    m_frame->InitialUpdate();
    return m_frame->isVisible();
}

void CSolApp::OnAppAbout() {
    CAboutDlg dlg;
    m_frame->Dialogs().DoModal(dlg);
}
