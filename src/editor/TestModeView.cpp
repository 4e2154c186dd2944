#include "editor/TestModeView.h"
#include "document/DocumentSession.h"

void TestModeView::enter()
{
    const EditorState &state = m_session.state;
    m_editing = {state.Page, state.AlwaysDrawPage0, state.SelectedLine, state.MarkLogic};
    m_mode.enter(state.Page);
    showTestPage();
}

void TestModeView::leave()
{
    m_mode.leave();
    m_session.state.Page = m_editing.page;
    m_session.state.SelectedLine = m_editing.selectedLine;
    setPlayerView(m_editing.alwaysDrawPage0, m_editing.markLogic);
}

TestMode::Click TestModeView::click(QPoint at, const TestMode::ButtonSize &buttonSize)
{
    const TestMode::Click hit = m_mode.click(m_session.state.DATA.lines(), at, buttonSize, m_session.state.Branches);
    showTestPage();
    return hit;
}

void TestModeView::showTestPage()
{
    const bool closed = m_mode.dialogClosed();
    m_session.state.Page = closed ? QString() : m_mode.page();
    m_session.state.SelectedLine = 0;
    setPlayerView(!closed, false);
}

void TestModeView::setPlayerView(bool alwaysDrawPage0, bool markLogic)
{
    ViewOptions view = ViewOptions::of(m_session.state);
    view.AlwaysDrawPage0 = alwaysDrawPage0;
    view.MarkLogic = markLogic;
    m_session.setViewOptions(view);
}
