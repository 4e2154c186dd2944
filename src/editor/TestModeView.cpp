#include "editor/TestModeView.h"
#include "document/EditorState.h"

void TestModeView::enter()
{
    m_editing = {m_state.Page, m_state.AlwaysDrawPage0, m_state.SelectedLine};
    m_mode.enter(m_state.Page);
    showTestPage();
}

void TestModeView::leave()
{
    m_mode.leave();
    m_state.Page = m_editing.page;
    m_state.AlwaysDrawPage0 = m_editing.alwaysDrawPage0;
    m_state.SelectedLine = m_editing.selectedLine;
}

TestMode::Click TestModeView::click(QPoint at, const TestMode::ButtonSize &buttonSize)
{
    const TestMode::Click hit = m_mode.click(m_state.DATA.lines(), at, buttonSize);
    showTestPage();
    return hit;
}

void TestModeView::showTestPage()
{
    const bool closed = m_mode.dialogClosed();
    m_state.Page = closed ? QString() : m_mode.page();
    m_state.AlwaysDrawPage0 = !closed;
    m_state.SelectedLine = 0;
}
