// The main window's page box, select list and redraw, the problems panel and
// the view switches.
#include "document/DocumentCommands.h"
#include "document/SelectionSet.h"
#include "platform/NumberText.h"
#include "render/Rulers.h"
#include "windows/main/TForm1.h"
#include "windows/widgets/CanvasImage.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

// ---- Pages, selection, redraw -----------------------------------------

void TForm1::CSpinEdit3Change()
{
    ComboBox1->setFocus();
    m_state.Dragging = false;
    if (!NumberText::tryParse(CSpinEdit3->text())) {
        CSpinEdit3->setText(m_state.Page); // typed text that is no page number
        return;
    }
    const QString page = NumberText::zeroBelowOne(CSpinEdit3->text());
    if (page != CSpinEdit3->text()) {
        CSpinEdit3->setText(page); // runs this handler again with the corrected page
        return;
    }
    DocumentCommands::changePage(m_state, page);
}

void TForm1::ComboBox1Change()
{
    SelectionCommands::select(m_state, ComboBox1->currentIndex());
}

void TForm1::Timer1Timer()
{
    const auto readout = SelectionCommands::readout(m_state);
    if (!readout)
        return;
    CSpinEdit1->setText(readout->x);
    CSpinEdit2->setText(readout->y);
    if (readout->width) {
        CSpinEdit6->setText(*readout->width);
        CSpinEdit5->setText(*readout->height);
    }
}

void TForm1::DRAWClick()
{
    Label9->setVisible(settings().timeDrawing);
    DrawMeter->setVisible(settings().showDrawGauge);
    updateScrollRange();
    RULERDRAWTimer();
    if (m_view.redraw(m_state, settings()))
        LQUICKTimer();
    Image1->setPicture(m_view.canvas());
    showCanvasOverlay();
}

void TForm1::CacheCLEANUPTimer()
{
    m_renderer.cleanUpCache(m_state.DATA.lines());
}

void TForm1::TEXTIDXTimer()
{
    m_renderer.rebuildTextIndex();
}

void TForm1::LQUICKTimer()
{
    ComboBox1->clear();
    ComboBox1->addItems(m_state.SelectList);
    applyControls(); // the render placed the selection in the new list
    Label9->setText(m_view.drawTimeText());
    // Records that cannot be drawn are named once, not at every redraw.
    const QStringList problems = m_view.problems();
    if (problems != m_reportedProblems) {
        m_reportedProblems = problems;
        if (!problems.isEmpty())
            Label8->setText(problems.size() == 1 ? problems.first()
                                                 : QStringLiteral("%1 (and %2 more records not drawn)")
                                                       .arg(problems.first())
                                                       .arg(problems.size() - 1));
    }
    QList<Problem> found;
    const QList<int> problemLines = m_view.problemLines();
    for (qsizetype i = 0; i < problems.size(); ++i)
        found << Problem{problemLines.value(i), problems[i], Problem::Severity::Warning, ProblemList::RenderSource};
    m_problems.setProblems(ProblemList::RenderSource, found);
    m_problems.documentChanged(m_state.DATA.lines());
    // The check follows every change; it reads the art catalog it keeps.
    m_checker.follow(m_state.DATA.lines(), m_state.AppDir, settings().exportVersion);
    showProblems();
    DrawMeter->setRange(0, std::max(0, m_state.DATA.size() - 1));
    DrawMeter->setValue(DrawMeter->maximum());
}

void TForm1::showProblems()
{
    // Errors only, errors and warnings, or everything, as the filter says.
    const int filter = ProblemsFilter->currentIndex();
    const auto shown = [filter](Problem::Severity severity) {
        return filter <= 0 || severity == Problem::Severity::Error
               || (filter == 1 && severity == Problem::Severity::Warning);
    };
    QList<int> rows;
    QStringList texts;
    const QList<Problem> &entries = m_problems.entries();
    for (int i = 0; i < entries.size(); ++i)
        if (shown(entries[i].severity)) {
            rows << i;
            texts << ProblemList::entryText(entries[i], m_state.DATA.lines());
        }
    QStringList listed;
    for (int i = 0; i < ProblemsList->count(); ++i)
        listed << ProblemsList->item(i)->text();
    if (texts != listed || rows != m_shownProblems) {
        ProblemsList->clear();
        for (int k = 0; k < rows.size(); ++k) {
            const Problem::Severity severity = entries[rows[k]].severity;
            const QStyle::StandardPixmap icon = severity == Problem::Severity::Error     ? QStyle::SP_MessageBoxCritical
                                                : severity == Problem::Severity::Warning ? QStyle::SP_MessageBoxWarning
                                                                                         : QStyle::SP_MessageBoxInformation;
            ProblemsList->addItem(new QListWidgetItem(style()->standardIcon(icon), texts[k]));
        }
        m_shownProblems = rows;
    }
    // The dock stays while anything is found, so a filter can be set back.
    ProblemsDock->setVisible(!entries.isEmpty());
}

void TForm1::ProblemsListClick(int row)
{
    const int entry = m_shownProblems.value(row, -1);
    if (entry < 0 || entry >= m_problems.entries().size())
        return;
    goToPlace(ProblemList::placeOf(m_problems.entries()[entry], m_state.DATA.lines()));
}

void TForm1::goToPlace(const std::optional<ProblemList::Place> &place)
{
    if (!place)
        return;
    if (place->page != m_state.Page)
        CSpinEdit3->setText(place->page); // as typed into the page box
    if (place->elementLine > 0)
        SelectionSet::selectOnly(m_state, place->elementLine);
}

void TForm1::RULERDRAWTimer()
{
    m_rulers = drawRulers(Image7->width(), Image6->height(), settings().rulerStyle(),
                          RulerView{ScrollBar1->value(), ScrollBar2->value(), m_state.Zoom});
    Image8->setPicture(m_rulers.corner);
    Image7->setPicture(m_rulers.top);
    Image6->setPicture(m_rulers.left);
}

void TForm1::syncViewState()
{
    m_state.ScrollX = ScrollBar1->value();
    m_state.ScrollY = ScrollBar2->value();
    ViewOptions view = ViewOptions::of(m_state);
    view.HighlightSelected = CheckBox1->isChecked();
    view.AlwaysDrawPage0 = ToolButton13->isChecked();
    m_session.setViewOptions(view);
}

void TForm1::ScrollBar2Change()
{
    syncViewState();
    if (ScrollResetting)
        return;
    m_view.invalidate();
    DRAWClick();
}

void TForm1::Button22Click()
{
    ScrollResetting = true;
    ScrollBar1->setValue(0);
    ScrollBar2->setValue(0);
    ScrollResetting = false;
    syncViewState();
    m_view.invalidate();
    DRAWClick();
}

void TForm1::HighlightSelected1Click()
{
    CheckBox1->setChecked(!CheckBox1->isChecked());
    syncViewState();
}

void TForm1::AlwaysDrawPage01Click()
{
    ToolButton13->setChecked(!ToolButton13->isChecked());
    syncViewState();
}

void TForm1::toggleViewOption(bool ViewOptions::*option)
{
    ViewOptions view = ViewOptions::of(m_state);
    view.*option = !(view.*option);
    m_session.setViewOptions(view);
}

void TForm1::Text2Click()
{
    toggleViewOption(&ViewOptions::ShowText);
}

void TForm1::Buttons1Click()
{
    toggleViewOption(&ViewOptions::ShowButtons);
}

void TForm1::GumpPics1Click()
{
    toggleViewOption(&ViewOptions::ShowGumppics);
}

void TForm1::ResizePics1Click()
{
    toggleViewOption(&ViewOptions::ShowResizepics);
}

void TForm1::ToolButton15Click()
{
    MenuItem12->setChecked(m_state.ShowText);
    MenuItem13->setChecked(m_state.ShowButtons);
    MenuItem14->setChecked(m_state.ShowGumppics);
    MenuItem15->setChecked(m_state.ShowResizepics);
    PopupMenu2->popup(ToolButton15->mapToGlobal(QPoint(3, ToolButton15->height())));
}

void TForm1::PopupMenu1Popup()
{
    HighlightSelected1->setChecked(CheckBox1->isChecked());
    AlwaysDrawPage01->setChecked(ToolButton13->isChecked());
    Text2->setChecked(m_state.ShowText);
    Buttons1->setChecked(m_state.ShowButtons);
    GumpPics1->setChecked(m_state.ShowGumppics);
    ResizePics1->setChecked(m_state.ShowResizepics);
}

