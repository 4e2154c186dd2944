// The main window's "Modify" and element commands, and the selection's state
// copied onto the controls.
#include "document/ControlCommands.h"
#include "document/StandInCommands.h"
#include "windows/main/TForm1.h"
#include "windows/widgets/PropertyPanel.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <tuple>

using SelectionCommands::Field;

// ---- Modify and Other ---------------------------------------------------

void TForm1::positionSpinChanged(SpinEdit *spin, Field field)
{
    // While the text is neither a number nor an expression yet (cleared, a
    // lone "-") the record keeps its value; it is written once it is one.
    const std::optional<QString> text = SelectionCommands::typedText(field, spin->text());
    if (!text)
        return;
    if (*text != spin->text()) {
        spin->setText(*text); // runs the handler again with "0"
        return;
    }
    SelectionCommands::writeField(m_state, field, *text);
}

void TForm1::standInEdited(QLineEdit *edit, Field field)
{
    const StandInCommands::Typed typed = StandInCommands::read(edit->text());
    if (!typed.valid) {
        edit->setStyleSheet(QStringLiteral("QLineEdit { color: red; }"));
        Label8->setText(QStringLiteral("A stand-in is a whole number; empty removes it"));
        return;
    }
    edit->setStyleSheet(QString());
    edit->setModified(false);
    StandInCommands::set(m_state, field, typed.value);
    showStandIns();
}

void TForm1::showStandIns()
{
    const std::tuple<QLineEdit *, Field, QLabel *> boxes[] = {
        {StandInX, Field::X, LabelStandIn}, {StandInY, Field::Y, LabelStandIn},
        {StandInWidth, Field::Width, LabelStandIn2}, {StandInHeight, Field::Height, LabelStandIn2}};
    for (QLabel *label : {LabelStandIn, LabelStandIn2})
        label->hide();
    for (const auto &[edit, field, label] : boxes) {
        const std::optional<StandInCommands::Shown> shown = StandInCommands::shownFor(m_state, field);
        edit->setVisible(shown.has_value());
        if (!shown)
            continue;
        label->show();
        edit->setEnabled(shown->settable);
        // Typing never redraws, so this shows the design's own value (after an undo too).
        edit->setText(shown->text);
        edit->setModified(false);
        edit->setStyleSheet(QString());
    }
}

void TForm1::CSpinEdit1Change()
{
    positionSpinChanged(CSpinEdit1, Field::X);
}

void TForm1::CSpinEdit2Change()
{
    positionSpinChanged(CSpinEdit2, Field::Y);
}

void TForm1::CSpinEdit6Change()
{
    positionSpinChanged(CSpinEdit6, Field::Width);
}

void TForm1::CSpinEdit5Change()
{
    positionSpinChanged(CSpinEdit5, Field::Height);
}

void TForm1::CSpinEdit4Change()
{
    ComboBox1->setFocus();
    const int step = CSpinEdit4->value();
    for (SpinEdit *spin : {CSpinEdit1, CSpinEdit2, CSpinEdit6, CSpinEdit5})
        spin->setIncrement(step);
}

void TForm1::CHANGEIMAGEClick()
{
    PropertyCommands::changeImage(m_state, *this);
}

void TForm1::EDITOPTIONSClick()
{
    // A newer kind's options are the fields of the property panel: it is
    // shown again if it was closed, and its first option takes the keyboard.
    if (const int field = ControlCommands::optionsFieldOf(m_state.DATA.kindAt(m_state.SelectedLine)); field > 0) {
        m_state.Dragging = false;
        showControlProperties();
        if (QWidget *editor = Properties->editorOf(field)) {
            PropertiesDock->raise();
            editor->setFocus(Qt::OtherFocusReason);
            if (auto *line = qobject_cast<QLineEdit *>(editor))
                line->selectAll();
        }
        return;
    }
    PropertyCommands::editOptions(m_state, *this);
}

// ---- Element commands ---------------------------------------------------

void TForm1::Button4Click()
{
    ElementCommands::addGumppic(m_state, *this);
}

void TForm1::Button15Click()
{
    ElementCommands::addResizepic(m_state, *this);
}

void TForm1::Button3Click()
{
    ElementCommands::addButton(m_state, *this);
}

void TForm1::Button5Click()
{
    ElementCommands::addText(m_state, *this);
}

void TForm1::REMOVEBUTClick()
{
    ElementCommands::remove(m_state);
}

void TForm1::Clone1Click()
{
    ElementCommands::clone(m_state, settings().offsetClone);
}

void TForm1::SendSelectedtoFront1Click()
{
    ElementCommands::sendToBack(m_state);
}

void TForm1::SemdSelectedtoBack1Click()
{
    ElementCommands::sendToFront(m_state);
}

// ---- Copying state onto the controls ------------------------------------

void TForm1::applyControls()
{
    const SelectionControls &c = m_state.Controls;
    REMOVEBUT->setEnabled(c.removeEnabled);
    ModifyGroup->setVisible(c.modifyVisible);
    for (SpinEdit *spin : {CSpinEdit1, CSpinEdit2}) {
        spin->setVisible(c.positionVisible);
        spin->setEnabled(c.positionEnabled);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{LabelX2, LabelY2, CSpinEdit6, CSpinEdit5})
        w->setVisible(c.sizeVisible);
    CHANGEIMAGE->setVisible(c.changeImageVisible);
    CHANGEIMAGE->setEnabled(c.changeImageEnabled);
    EDITOPTIONS->setVisible(c.optionsVisible);
    EDITOPTIONS->setEnabled(c.optionsEnabled);
    Clone1->setEnabled(c.popupCloneEnabled);
    RemoveSelected1->setEnabled(c.popupRemoveEnabled);
    SendSelectedtoFront1->setEnabled(c.popupSendBackEnabled);
    SemdSelectedtoBack1->setEnabled(c.popupSendFrontEnabled);
    ComboBox1->setCurrentIndex(m_state.SelectIndex);
    // Without a selection the boxes are empty, never a former element's numbers;
    // with one the readout timer fills them.
    if (m_state.SelectedLine <= 0) {
        for (SpinEdit *spin : {CSpinEdit1, CSpinEdit2, CSpinEdit6, CSpinEdit5}) {
            const QSignalBlocker quiet(spin);
            spin->setText(QString());
        }
    }
    showControlProperties();
    showStandIns();
}

void TForm1::applyCreationStyle()
{
    const bool realDraw = settings().drawEngine == u"(1.2) Real Draw";
    BrushGroup->setVisible(realDraw);
    InsertGroup->setVisible(!realDraw);
}

void TForm1::showPageBox()
{
    const QSignalBlocker quiet(CSpinEdit3);
    CSpinEdit3->setText(m_state.Page);
}

void TForm1::canvasResized()
{
    m_view.setCanvasSize(CanvasScroll::documentViewport(Image1->size(), m_state.Zoom));
    if (!m_booted)
        return;
    m_view.invalidate();
    DRAWClick();
}

