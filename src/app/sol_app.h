#pragma once

#include <memory>

#include "app/main_frame.h"
#include "game/sol_doc.h"

// The application: builds the document and the main window around the game,
// and answers the About command.
class CSolApp {
  public:
    CSolApp();
    ~CSolApp();
    CSolApp(const CSolApp&) = delete;
    CSolApp& operator=(const CSolApp&) = delete;

    // Creates the document, the main window and the view, shows the window and
    // starts the view. Returns false when the program should end instead.
    bool InitInstance();
    void OnAppAbout();

    // The main window, from InitInstance on; null before.
    CMainFrame* Frame() const { return m_frame.get(); }

  private:
    std::unique_ptr<CSolDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};
