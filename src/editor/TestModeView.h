#pragma once

#include "editor/TestMode.h"

class DocumentSession;

// Test mode on the open design: entering keeps the editing view (page, page
// 0 beneath, selection) and shows the page the player sees; leaving gives
// the editing view back. Only the view changes, never the lines.
class TestModeView
{
public:
    explicit TestModeView(DocumentSession &session) : m_session(session) {}

    bool active() const { return m_mode.active(); }
    void enter();
    void leave();
    // A click at a point of the dialog (document coordinates); the view
    // follows the page it leads to.
    TestMode::Click click(QPoint at, const TestMode::ButtonSize &buttonSize);

private:
    // The page the player sees, page 0 beneath it and nothing selected; a
    // closed dialog shows none of its pages.
    void showTestPage();

    struct EditingView
    {
        QString page;
        bool alwaysDrawPage0 = false;
        int selectedLine = 0;
        bool markLogic = true;
    };
    // View options: the session tells the views. Test mode draws page 0
    // beneath and no marks of the design's logic, as the player sees it.
    void setPlayerView(bool alwaysDrawPage0, bool markLogic);

    DocumentSession &m_session;
    TestMode m_mode;
    EditingView m_editing;
};
