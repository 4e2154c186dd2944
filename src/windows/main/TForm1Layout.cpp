// Builds the controls of the main window; the handlers live in TForm1.cpp.
#include "document/ControlCommands.h"
#include "sphere/SphereDialect.h"
#include "windows/main/TForm1.h"
#include "windows/widgets/CanvasImage.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QDockWidget>
#include <QListWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int RulerThickness = 18;

QToolButton *toolButton(QWidget *parent, const QString &text, const QString &hint, const QIcon &icon = QIcon())
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setIcon(icon);
    b->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
    b->setIconSize(QSize(16, 16));
    b->setAutoRaise(true);
    // Tool and brush buttons never hold the keyboard focus, so it stays where
    // the arrow keys nudge the selection.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QToolButton *toggleButton(QWidget *parent, const QString &text, const QString &hint)
{
    QToolButton *b = toolButton(parent, text, hint);
    b->setCheckable(true);
    b->setChecked(true);
    return b;
}

QPushButton *pushButton(QWidget *parent, const QString &text, const QString &hint = QString())
{
    auto *b = new QPushButton(text, parent);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

SpinEdit *positionSpin(QWidget *parent, const QString &hint)
{
    auto *s = new SpinEdit(parent);
    s->setToolTip(hint);
    s->setFixedWidth(66);
    return s;
}

QLineEdit *standInEdit(QWidget *parent, const QString &hint)
{
    auto *e = new QLineEdit(parent);
    e->setToolTip(hint);
    e->setPlaceholderText(QStringLiteral("none"));
    e->setFixedWidth(66);
    e->hide();
    return e;
}

QAction *checkItem(QMenu *menu, const QString &text)
{
    QAction *a = menu->addAction(text);
    a->setCheckable(true);
    return a;
}

} // namespace

void TForm1::buildToolBars()
{
    QStyle *s = style();
    auto *files = new QToolBar(QStringLiteral("Project"), this);
    files->setMovable(false);
    files->setFloatable(false);
    Button6 = toolButton(files, QStringLiteral("New"), QStringLiteral("New project"), s->standardIcon(QStyle::SP_FileIcon));
    Button1 = toolButton(files, QStringLiteral("Open"), QStringLiteral("Open Project"),
                         s->standardIcon(QStyle::SP_DialogOpenButton));
    Button7 = toolButton(files, QStringLiteral("Save"), QStringLiteral("Save Project"),
                         s->standardIcon(QStyle::SP_DialogSaveButton));
    Button12 = toolButton(files, QStringLiteral("Import"), QStringLiteral("Import  (%1 only").arg(SphereDialect::V55iTo99g),
                          s->standardIcon(QStyle::SP_ArrowDown));
    Button8 = toolButton(files, QStringLiteral("Export"), QStringLiteral("Export"), s->standardIcon(QStyle::SP_ArrowUp));
    for (QToolButton *b : {Button6, Button1, Button7, Button12, Button8})
        files->addWidget(b);
    files->addSeparator();
    auto *selectLabel = new QLabel(QStringLiteral(" Select "), files);
    files->addWidget(selectLabel);
    ComboBox1 = new QComboBox(files);
    ComboBox1->setToolTip(QStringLiteral("Use this to select items that are on your dialog"));
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(18);
    ComboBox1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    files->addWidget(ComboBox1);
    addToolBar(Qt::TopToolBarArea, files);
    addToolBarBreak(Qt::TopToolBarArea);

    auto *page = new QToolBar(QStringLiteral("Page"), this);
    page->setMovable(false);
    page->setFloatable(false);
    REMOVEBUT = toolButton(page, QStringLiteral("Remove"), QStringLiteral("Removes selected item"),
                           s->standardIcon(QStyle::SP_DialogDiscardButton));
    REMOVEBUT->setEnabled(false);
    CheckBox1 = toggleButton(page, QStringLiteral("Highlight Selected"), QStringLiteral("Highlight Selected"));
    auto *pageLabel = new QLabel(QStringLiteral(" Page "), page);
    CSpinEdit3 = new SpinEdit(page);
    CSpinEdit3->setToolTip(QStringLiteral("Current page being edited: the arrows, or type a number and press Return"));
    CSpinEdit3->setCommitOnFinish(true);
    CSpinEdit3->setFixedWidth(60);
    ToolButton13 = toggleButton(page, QStringLiteral("Page 0 Beneath"), QStringLiteral("With this on Page 0 is always drawn"));
    ToolButton15 = toolButton(page, QStringLiteral("Show"), QStringLiteral("Show"));
    page->addWidget(REMOVEBUT);
    page->addSeparator();
    page->addWidget(CheckBox1);
    page->addSeparator();
    page->addWidget(pageLabel);
    page->addWidget(CSpinEdit3);
    page->addWidget(ToolButton13);
    page->addSeparator();
    page->addWidget(ToolButton15);
    // On this row, so the select list keeps its room on the first.
    page->addSeparator();
    CheckButton = toolButton(page, QStringLiteral("Check"), QStringLiteral("Check what the server would misread"),
                             s->standardIcon(QStyle::SP_MessageBoxWarning));
    TestButton = toggleButton(page, QStringLiteral("Test"), QStringLiteral("Try the dialog's buttons as a player (F5)"));
    TestButton->setShortcut(Qt::Key_F5);
    TestButton->setChecked(false);   // editing, until it is pressed
    page->addWidget(CheckButton);
    page->addWidget(TestButton);
    addToolBar(Qt::TopToolBarArea, page);
}

void TForm1::buildMenus()
{
    QMenuBar *bar = menuBar();
    FileMenu = bar->addMenu(QStringLiteral("File"));
    New1 = FileMenu->addAction(QStringLiteral("New"));
    Open1 = FileMenu->addAction(QStringLiteral("Open"));
    Save1 = FileMenu->addAction(QStringLiteral("Save"));
    Save1->setShortcut(QKeySequence::Save);
    SaveAs1 = FileMenu->addAction(QStringLiteral("Save As..."));
    SaveAs1->setShortcut(QKeySequence::SaveAs);
    New1->setShortcut(QKeySequence::New);
    Open1->setShortcut(QKeySequence::Open);
    FileMenu->addSeparator();
    BuildArtLibrary1 = FileMenu->addAction(QStringLiteral("Build Art Library from Client…"));
    FileMenu->addSeparator();
    Exit1 = FileMenu->addAction(QStringLiteral("Exit"));

    EditMenu = bar->addMenu(QStringLiteral("Edit"));
    Undo1 = m_session.undoStack.createUndoAction(this, QStringLiteral("Undo"));
    Undo1->setShortcut(QKeySequence::Undo);
    Redo1 = m_session.undoStack.createRedoAction(this, QStringLiteral("Redo"));
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    EditMenu->addAction(Undo1);
    EditMenu->addAction(Redo1);
    EditMenu->addSeparator();
    Cut1 = EditMenu->addAction(QStringLiteral("Cut"));
    Cut1->setShortcut(QKeySequence::Cut);
    Copy1 = EditMenu->addAction(QStringLiteral("Copy"));
    Copy1->setShortcut(QKeySequence::Copy);
    Paste1 = EditMenu->addAction(QStringLiteral("Paste"));
    Paste1->setShortcut(QKeySequence::Paste);
    Duplicate1 = EditMenu->addAction(QStringLiteral("Duplicate"));
    Duplicate1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    Delete1 = EditMenu->addAction(QStringLiteral("Delete"));
    Delete1->setShortcut(QKeySequence::Delete);
    SelectAll1 = EditMenu->addAction(QStringLiteral("Select All"));
    SelectAll1->setShortcut(QKeySequence::SelectAll);
    EditMenu->addSeparator();
    History1 = EditMenu->addAction(QStringLiteral("Undo History"));

    SphereMenu = bar->addMenu(QStringLiteral("Sphere"));
    Import1 = SphereMenu->addAction(QStringLiteral("Import (%1 only)").arg(SphereDialect::V55iTo99g));
    Export1 = SphereMenu->addAction(QStringLiteral("Export"));
    Export1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    Check1 = SphereMenu->addAction(QStringLiteral("Check"));

    HelpMenu = bar->addMenu(QStringLiteral("Help"));
    NextVersion1 = HelpMenu->addAction(QStringLiteral("Next Version"));
    Help1 = HelpMenu->addAction(QStringLiteral("Help"));
    HelpMenu->addSeparator();
    About1 = HelpMenu->addAction(QStringLiteral("About"));

    buildViewMenu();
    buildServerCommands();

    PopupMenu1 = new QMenu(this);
    Clone1 = PopupMenu1->addAction(QStringLiteral("Clone"));
    RemoveSelected1 = PopupMenu1->addAction(QStringLiteral("Remove Selected"));
    SendSelectedtoFront1 = PopupMenu1->addAction(QStringLiteral("Send Selected to Back"));
    SemdSelectedtoBack1 = PopupMenu1->addAction(QStringLiteral("Send Selected to Front"));
    PopupMenu1->addSeparator();
    HighlightSelected1 = checkItem(PopupMenu1, QStringLiteral("Highlight Selected"));
    AlwaysDrawPage01 = checkItem(PopupMenu1, QStringLiteral("Always Draw Page 0"));
    QMenu *show = PopupMenu1->addMenu(QStringLiteral("Show"));
    Text2 = checkItem(show, QStringLiteral("Text"));
    Buttons1 = checkItem(show, QStringLiteral("Buttons"));
    GumpPics1 = checkItem(show, QStringLiteral("GumpPics"));
    ResizePics1 = checkItem(show, QStringLiteral("ResizePics"));
    PopupMenu1->addSeparator();
    AutoSave1 = PopupMenu1->addAction(QStringLiteral("AutoSave"));
    for (QAction *a : {Clone1, RemoveSelected1, SendSelectedtoFront1, SemdSelectedtoBack1})
        a->setEnabled(false);

    PopupMenu2 = new QMenu(this);
    MenuItem12 = checkItem(PopupMenu2, QStringLiteral("Text"));
    MenuItem13 = checkItem(PopupMenu2, QStringLiteral("Buttons"));
    MenuItem14 = checkItem(PopupMenu2, QStringLiteral("GumpPics"));
    MenuItem15 = checkItem(PopupMenu2, QStringLiteral("ResizePics"));
}

void TForm1::buildLeftColumn()
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    ModifyGroup = new QGroupBox(QStringLiteral("Modify"), column);
    auto *modify = new QGridLayout(ModifyGroup);
    modify->setContentsMargins(6, 6, 6, 6);
    modify->setSpacing(4);
    LabelX = new QLabel(QStringLiteral("X"), ModifyGroup);
    LabelY = new QLabel(QStringLiteral("Y"), ModifyGroup);
    // Shown for a background: its size.
    LabelX2 = new QLabel(QStringLiteral("Width"), ModifyGroup);
    LabelY2 = new QLabel(QStringLiteral("Height"), ModifyGroup);
    CSpinEdit1 = positionSpin(ModifyGroup, QStringLiteral("Horizontal offset"));
    CSpinEdit2 = positionSpin(ModifyGroup, QStringLiteral("Vertical offset"));
    CSpinEdit6 = positionSpin(ModifyGroup, QStringLiteral("Width of the background"));
    CSpinEdit5 = positionSpin(ModifyGroup, QStringLiteral("Height of the background"));
    CHANGEIMAGE = pushButton(ModifyGroup, QStringLiteral("Change Image"), QStringLiteral("Change selected items image"));
    EDITOPTIONS = pushButton(ModifyGroup, QStringLiteral("Options"), QStringLiteral("Edit the options of selected item"));
    for (SpinEdit *spin : {CSpinEdit1, CSpinEdit2, CSpinEdit6, CSpinEdit5})
        spin->setSteppable(SelectionCommands::steppable);
    CSpinEdit4 = positionSpin(ModifyGroup, QStringLiteral("The rate that X and Y changed at"));
    CSpinEdit4->setText(QStringLiteral("1"));
    CSpinEdit4->setLimits(1, 10);
    CSpinEdit4->setTypingAllowed(false);
    // Under a field that holds an expression: the stand-in the canvas draws it at.
    const QString standInHint = QStringLiteral(
        "The server computes this field: the canvas draws the element at this value, which the export leaves out. "
        "Empty: none");
    LabelStandIn = new QLabel(QStringLiteral("Stand-in"), ModifyGroup);
    LabelStandIn2 = new QLabel(QStringLiteral("Stand-in"), ModifyGroup);
    LabelStandIn->hide();
    LabelStandIn2->hide();
    StandInX = standInEdit(ModifyGroup, QStringLiteral("X: ") + standInHint);
    StandInY = standInEdit(ModifyGroup, QStringLiteral("Y: ") + standInHint);
    StandInWidth = standInEdit(ModifyGroup, QStringLiteral("Width: ") + standInHint);
    StandInHeight = standInEdit(ModifyGroup, QStringLiteral("Height: ") + standInHint);
    modify->addWidget(LabelX, 0, 0);
    modify->addWidget(CSpinEdit1, 0, 1);
    modify->addWidget(LabelY, 0, 2);
    modify->addWidget(CSpinEdit2, 0, 3);
    modify->addWidget(LabelStandIn, 1, 0);
    modify->addWidget(StandInX, 1, 1);
    modify->addWidget(StandInY, 1, 3);
    modify->addWidget(LabelX2, 2, 0);
    modify->addWidget(CSpinEdit6, 2, 1);
    modify->addWidget(LabelY2, 2, 2);
    modify->addWidget(CSpinEdit5, 2, 3);
    modify->addWidget(LabelStandIn2, 3, 0);
    modify->addWidget(StandInWidth, 3, 1);
    modify->addWidget(StandInHeight, 3, 3);
    modify->addWidget(CHANGEIMAGE, 4, 0, 1, 4);
    modify->addWidget(EDITOPTIONS, 5, 0, 1, 4);
    modify->addWidget(new QLabel(QStringLiteral("X Y rate"), ModifyGroup), 6, 0, 1, 2);
    modify->addWidget(CSpinEdit4, 6, 3);
    // Rows that show and hide with the selection keep their room, so the
    // groups below never move under the pointer. The stand-in rows, shown
    // only for a field the server computes, take room only then, so the
    // column still fits the window's first size.
    const QList<QWidget *> standInRow = {LabelStandIn, LabelStandIn2, StandInX, StandInY, StandInWidth, StandInHeight};
    for (QWidget *w : ModifyGroup->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (standInRow.contains(w))
            continue;
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    QSizePolicy groupPolicy = ModifyGroup->sizePolicy();
    groupPolicy.setRetainSizeWhenHidden(true);
    ModifyGroup->setSizePolicy(groupPolicy);
    layout->addWidget(ModifyGroup);

    InsertGroup = new QGroupBox(QStringLiteral("Insert"), column);
    auto *insert = new QGridLayout(InsertGroup);
    insert->setContentsMargins(6, 6, 6, 6);
    insert->setSpacing(4);
    Button4 = pushButton(InsertGroup, QStringLiteral("Add Gumppic"));
    Button15 = pushButton(InsertGroup, QStringLiteral("Add Resizepic"));
    Button3 = pushButton(InsertGroup, QStringLiteral("Add Button"));
    Button5 = pushButton(InsertGroup, QStringLiteral("Add Text"));
    insert->addWidget(Button4, 0, 0);
    insert->addWidget(Button15, 0, 1);
    insert->addWidget(Button3, 1, 0);
    insert->addWidget(Button5, 1, 1);
    layout->addWidget(InsertGroup);

    BrushGroup = new QGroupBox(QStringLiteral("Brush"), column);
    auto *brush = new QGridLayout(BrushGroup);
    brush->setContentsMargins(6, 6, 6, 6);
    brush->setSpacing(4);
    const auto kindBrush = [this](ElementKind kind) {
        return toolButton(BrushGroup, Records::nameOf(kind), Records::nameOf(kind));
    };
    SpeedButton4 = kindBrush(ElementKind::Resizepic);
    SpeedButton1 = kindBrush(ElementKind::Button);
    SpeedButton3 = kindBrush(ElementKind::Gumppic);
    SpeedButton2 = kindBrush(ElementKind::Text);
    // The newer kinds share one brush below the classic four, so the column
    // keeps its height: its menu chooses the kind and presses it, a click on
    // the button itself presses or lets go of the kind last chosen.
    const std::pair<ElementKind, const char *> controlBrushes[] = {
        {ElementKind::Htmlgump, "HTML text in a box"},
        {ElementKind::Croppedtext, "One line of text cut to its box"},
        {ElementKind::Textentry, "A box the player types into"},
        {ElementKind::Checkbox, "A check box (art from the button folder)"},
        {ElementKind::Radio, "A radio button (art from the button folder)"},
        {ElementKind::Gumppictiled, "A picture tiled over a box"},
        {ElementKind::Tilepic, "An item picture"},
        {ElementKind::Checkertrans, "A see-through box"},
        {ElementKind::Xmfhtmlgump, "The client's localized text in a box"},
        {ElementKind::Gumppichue, "A picture in a hue"},
    };
    ControlBrush = toolButton(BrushGroup, QString(), QString());
    ControlBrush->setObjectName(QStringLiteral("ControlBrush"));
    ControlBrush->setPopupMode(QToolButton::MenuButtonPopup);
    auto *kindMenu = new QMenu(ControlBrush);
    kindMenu->setToolTipsVisible(true);
    auto *kindGroup = new QActionGroup(ControlBrush);
    kindGroup->setExclusive(true);
    ControlBrushKinds.clear();
    for (const auto &[kind, what] : controlBrushes) {
        const QString word = Records::nameOf(kind);
        QString hint = word + QStringLiteral(": ") + QString::fromLatin1(what);
        if (const int width = Records::widthFieldOf(kind); width > 0) {
            const QList<ControlCommands::FieldDefinition> &fields = ControlCommands::fieldsOf(kind);
            hint += QStringLiteral(" - drag its box, or click for %1 x %2")
                        .arg(fields[width - 1].initial, fields[width].initial);
        }
        QAction *action = kindMenu->addAction(word);
        action->setObjectName(QStringLiteral("Brush") + word);
        action->setToolTip(hint);
        action->setCheckable(true);
        kindGroup->addAction(action);
        ControlBrushKinds << action;
    }
    ControlBrush->setMenu(kindMenu);
    const auto showKind = [this](QAction *action) {
        ControlBrush->setText(action->text());
        ControlBrush->setToolTip(action->toolTip() + QStringLiteral(" (the arrow chooses another kind)"));
    };
    ControlBrushKinds.first()->setChecked(true);
    showKind(ControlBrushKinds.first());
    connect(kindGroup, &QActionGroup::triggered, ControlBrush, [this, showKind](QAction *action) {
        showKind(action);
        ControlBrush->setChecked(true);
    });
    // One brush at a time, and none at all once a placement released it.
    auto *brushes = new QButtonGroup(BrushGroup);
    brushes->setExclusive(false);
    int at = 0;
    for (QToolButton *b : {SpeedButton4, SpeedButton1, SpeedButton3, SpeedButton2, ControlBrush}) {
        b->setCheckable(true);
        b->setAutoRaise(false);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        brushes->addButton(b);
        if (b == ControlBrush)
            brush->addWidget(b, at / 2, 0, 1, 2);
        else
            brush->addWidget(b, at / 2, at % 2);
        ++at;
    }
    connect(brushes, &QButtonGroup::buttonToggled, BrushGroup, [brushes](QAbstractButton *button, bool down) {
        if (!down)
            return;
        for (QAbstractButton *other : brushes->buttons())
            if (other != button)
                other->setChecked(false);
    });
    layout->addWidget(BrushGroup);

    OtherGroup = new QGroupBox(QStringLiteral("Other"), column);
    auto *other = new QGridLayout(OtherGroup);
    other->setContentsMargins(6, 6, 6, 6);
    other->setSpacing(4);
    Button11 = pushButton(OtherGroup, QStringLiteral("Location on screen"), QStringLiteral("Location on screen to display"));
    Button16 = pushButton(OtherGroup, QStringLiteral("Misc Dialog"));
    Button17 = pushButton(OtherGroup, QStringLiteral("Options"));
    Button10 = pushButton(OtherGroup, QStringLiteral("About"), QStringLiteral("Info about program"));
    other->addWidget(Button11, 0, 0, 1, 2);
    other->addWidget(Button16, 1, 0, 1, 2);
    other->addWidget(Button17, 2, 0);
    other->addWidget(Button10, 2, 1);
    layout->addWidget(OtherGroup);
    layout->addStretch();

    auto *scroller = new QScrollArea;
    scroller->setWidget(column);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFixedWidth(column->sizeHint().width() + scroller->verticalScrollBar()->sizeHint().width());

    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(scroller);
    setCentralWidget(central);
}

void TForm1::buildCanvasPanel()
{
    auto *panel = new QWidget(centralWidget());
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    Image7 = new ImageView(panel);
    Image7->setFixedHeight(RulerThickness);
    Image7->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Image6 = new ImageView(panel);
    Image6->setFixedWidth(RulerThickness);
    Image6->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    Image8 = new ImageView(panel);
    Image8->setFixedSize(RulerThickness, RulerThickness);

    Image1 = new CanvasImage(panel);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Image1->setMinimumSize(100, 100);
    Image1->setContextMenuPolicy(Qt::PreventContextMenu); // the buttons' actions decide

    ScrollBar1 = new QScrollBar(Qt::Horizontal, panel);
    ScrollBar2 = new QScrollBar(Qt::Vertical, panel);
    for (QScrollBar *bar : {ScrollBar1, ScrollBar2}) {
        bar->setRange(0, 400);
        bar->setSingleStep(50);
        bar->setPageStep(100);
    }
    ScrollBar1->setFixedHeight(RulerThickness);
    ScrollBar2->setFixedWidth(RulerThickness);

    Button22 = new QPushButton(QStringLiteral("C"), panel);
    Button22->setToolTip(QStringLiteral("Reset View"));
    Button22->setFixedSize(RulerThickness, RulerThickness);
    Button22->setAutoDefault(false);
    Button22->setStyleSheet(QStringLiteral("padding: 0px;"));

    grid->addWidget(Image7, 0, 0, 1, 3);
    grid->addWidget(Image6, 1, 0);
    grid->addWidget(Image1, 1, 1);
    grid->addWidget(ScrollBar2, 1, 2);
    grid->addWidget(Image8, 2, 0);
    grid->addWidget(ScrollBar1, 2, 1);
    grid->addWidget(Button22, 2, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);

    static_cast<QHBoxLayout *>(centralWidget()->layout())->addWidget(panel, 1);
}

// Below the canvas, shown while there are problems to name.
void TForm1::buildProblemsPanel()
{
    ProblemsDock = new QDockWidget(QStringLiteral("Problems"), this);
    ProblemsDock->setObjectName(QStringLiteral("ProblemsDock"));
    ProblemsDock->setFeatures(QDockWidget::DockWidgetClosable);
    auto *panel = new QWidget(ProblemsDock);
    auto *rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto *filterRow = new QHBoxLayout;
    ProblemsFilter = new QComboBox(panel);
    ProblemsFilter->addItems({QStringLiteral("Everything"), QStringLiteral("Errors and warnings"), QStringLiteral("Errors")});
    ProblemsFilter->setToolTip(QStringLiteral("Which problems the list shows"));
    filterRow->addWidget(new QLabel(QStringLiteral("Show"), panel));
    filterRow->addWidget(ProblemsFilter);
    filterRow->addStretch();
    rows->addLayout(filterRow);
    ProblemsList = new QListWidget(panel);
    ProblemsList->setMaximumHeight(90);
    rows->addWidget(ProblemsList);
    ProblemsDock->setWidget(panel);
    addDockWidget(Qt::BottomDockWidgetArea, ProblemsDock);
    ProblemsDock->hide();
}

void TForm1::buildStatusBar()
{
    Label8 = new QLabel(this);
    Label9 = new QLabel(this);
    DrawMeter = new QProgressBar(this);
    DrawMeter->setToolTip(QStringLiteral("This regulates the progress on drawing the images"));
    DrawMeter->setFixedWidth(120);
    DrawMeter->setMaximumHeight(14);
    DrawMeter->setTextVisible(false);
    statusBar()->addWidget(Label8, 1);
    statusBar()->addPermanentWidget(Label9);
    statusBar()->addPermanentWidget(DrawMeter);
    statusBar()->setSizeGripEnabled(false);
}
