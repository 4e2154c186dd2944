#include "document/DocumentCommands.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/main/ProgramIdentity.h"
#include "windows/main/TForm10.h"
#include "windows/options/TForm13.h"
#include "windows/options/TForm9.h"
#include "windows/script/TForm8.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/SpinEdit.h"

#include "support/SyntheticArt.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QUndoView>

#include <functional>

namespace {

const QStringList designLines = {"{BOP", "0",
                                 "resizepic", "0", "0", "9200.bmp", "300", "200",
                                 "text", "40", "50", "1152", "Hello",
                                 "}EOP"};

} // namespace

TEST_F(MainWindowTest, StartCreatesTheWindowsAndANewDocument)
{
    const QStringList expected = {"Select Image for Pic", "Color of text", "Text",
                                  "Create New Button", "Create New GumpPic", "Sphere Export",
                                  "Location on Screen", "Quillmark 1.4", "Button Options", "Options", "Misc",
                                  "Import (55i - 99g only)", "System Update", "New Features and Fixs",
                                  "Add Text Color", "Capture"};
    QStringList captions;
    for (QDialog *d : window->findChildren<QDialog *>(Qt::FindDirectChildrenOnly))
        captions << d->windowTitle();
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmark 1.4 - Final Edit (Rereleased by demand)"));

    const EditorState &s = window->state();
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_EQ(s.AppDir, QDir::currentPath() + u'/');
    EXPECT_TRUE(s.ShowText && s.ShowButtons && s.ShowGumppics && s.ShowResizepics);
    EXPECT_EQ(s.SelectedLine, 0);
    EXPECT_EQ(s.LocationLine, -1);
    EXPECT_EQ(s.MiscLine, -1);
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit3")->text(), QStringLiteral("0"));
    EXPECT_FALSE(window->control<QToolButton>("REMOVEBUT")->isEnabled());
    EXPECT_TRUE(window->control<QToolButton>("CheckBox1")->isChecked());
    EXPECT_TRUE(window->control<QToolButton>("ToolButton13")->isChecked());
    EXPECT_TRUE(window->control<QLabel>("Label9")->text().startsWith(QStringLiteral("DRAWTIME=")));
    // First start: "(1.2) Real Draw", so the brushes instead of the insert buttons.
    EXPECT_FALSE(window->control<QGroupBox>("BrushGroup")->isHidden());
    EXPECT_TRUE(window->control<QGroupBox>("InsertGroup")->isHidden());
    EXPECT_TRUE(window->control<QMenu>("EditMenu")->menuAction()->isVisible());
}

TEST_F(MainWindowTest, PageBoxCreatesBracketsAndStopsAtZero)
{
    writeFile(QStringLiteral("loc.sdf"), "{BOP\r\n0\r\n}EOP\r\nLOCATION\r\n1\r\n2\r\n");
    modals->answerOpenFile(path(QStringLiteral("loc.sdf")));
    window->Button1Click();
    settle();

    for (int i = 0; i < 3; ++i)
        window->control<SpinEdit>("CSpinEdit3")->stepBy(1);
        settle();
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit3")->text(), QStringLiteral("3"));
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP", "LOCATION", "1", "2",
                                    "{BOP", "1", "}EOP", "{BOP", "2", "}EOP", "{BOP", "3", "}EOP"}));

    for (int i = 0; i < 4; ++i)
        window->control<SpinEdit>("CSpinEdit3")->stepBy(-1);
        settle();
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit3")->text(), QStringLiteral("0"));
    EXPECT_EQ(window->state().Page, QStringLiteral("0"));
    EXPECT_EQ(lines().size(), 15);
    EXPECT_TRUE(modals->messages(Modal::MessageKind::Error).isEmpty());
}

TEST_F(MainWindowTest, NewOnPageThree)
{
    window->control<SpinEdit>("CSpinEdit3")->setText(QStringLiteral("3"));
    settle();
    window->control<QLabel>("Label8")->setText(QStringLiteral("something"));
    settle();
    modals->answerSaveChanges(Modal::SaveAnswer::Discard);
    window->Button6Click();
    settle();
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit3")->text(), QStringLiteral("0"));
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), QStringLiteral("New Project"));
}

TEST_F(MainWindowTest, OpenThenCancelKeepsTheDocumentButClearsTheSelection)
{
    writeFile(QStringLiteral("design.SDF"), Document::projectText(designLines));
    modals->answerOpenFile(path(QStringLiteral("design.SDF")));
    window->Button1Click();
    settle();
    EXPECT_EQ(lines(), designLines);
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), QStringLiteral("Project Opened"));
    ASSERT_EQ(window->control<QComboBox>("ComboBox1")->count(), 2);

    select(1);
    EXPECT_EQ(window->state().SelectedLine, 8);
    window->control<QLabel>("Label8")->setText(QStringLiteral("before"));
    settle();
    modals->answerOpenFile(QString());
    window->Button1Click();
    settle();
    EXPECT_EQ(lines(), designLines);
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->currentIndex(), -1);
    EXPECT_FALSE(window->control<QToolButton>("REMOVEBUT")->isEnabled());
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), QStringLiteral("before"));
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit3")->text(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, SaveAsWritesTheProjectFile)
{
    modals->answerSaveFile(path(QStringLiteral("out.SDF")));
    window->Button7Click();
    settle();
    QFile saved(path(QStringLiteral("out.SDF")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("{BOP\r\n0\r\n}EOP\r\n"));
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), QStringLiteral("Project Saved"));

    window->control<QLabel>("Label8")->clear();
    settle();
    modals->answerSaveFile(QString());
    window->Button7Click();
    settle();
    EXPECT_TRUE(window->control<QLabel>("Label8")->text().isEmpty());
    EXPECT_TRUE(modals->shown().last().text.contains(QStringLiteral("*.SDF")));
}

TEST_F(MainWindowTest, SaveAddsTheExtensionMarksChangesAndUndoNamesTheStep)
{
    window->control<SpinEdit>("CSpinEdit3")->setText(QStringLiteral("2"));
    settle();
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Untitled* - ")));
    EXPECT_EQ(window->control<QAction>("Undo1")->text(), QStringLiteral("Undo Create Page 2"));

    modals->answerSaveFile(path(QStringLiteral("mydialog")));
    window->Save1Click();
    settle();
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("mydialog.SDF"))));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("mydialog.SDF - ")));

    window->control<QAction>("Undo1")->trigger();
    settle();
    EXPECT_EQ(window->state().DATA.lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("mydialog.SDF* - ")));
    window->Save1Click(); // to the same file, no dialog
    QFile saved(path(QStringLiteral("mydialog.SDF")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("{BOP\r\n0\r\n}EOP\r\n"));
}

TEST_F(MainWindowTest, FailuresAreShownInTheErrorBoxAndLeaveTheDocument)
{
    modals->answerOpenFile(path(QStringLiteral("missing.sdf")));
    window->control<QToolButton>("Button1")->click();
    settle();
    const QStringList errors = modals->messages(Modal::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first(), QStringLiteral("Cannot open file ") + path(QStringLiteral("missing.sdf")));
    EXPECT_EQ(modals->shown().last().caption, QStringLiteral("Quillmark 1.4"));
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_NE(window->control<QLabel>("Label8")->text(), QStringLiteral("Project Opened"));
}

TEST_F(MainWindowTest, SelectingABackgroundThenATextShowsThenHidesTheSizeSpins)
{
    window->state().DATA = Document(designLines);
    settle();
    window->DRAWClick();
    settle();
    EXPECT_FALSE(window->control<SpinEdit>("CSpinEdit1")->isEnabled());

    select(0);
    EXPECT_EQ(window->state().SelectedLine, 2);
    EXPECT_FALSE(window->control<SpinEdit>("CSpinEdit6")->isHidden());
    EXPECT_FALSE(window->control<SpinEdit>("CSpinEdit5")->isHidden());
    EXPECT_FALSE(window->control<QLabel>("LabelX2")->isHidden());
    EXPECT_FALSE(window->control<QPushButton>("CHANGEIMAGE")->isHidden());
    EXPECT_TRUE(window->control<QPushButton>("EDITOPTIONS")->isHidden());
    EXPECT_TRUE(window->control<SpinEdit>("CSpinEdit1")->isEnabled());
    EXPECT_TRUE(window->control<QToolButton>("REMOVEBUT")->isEnabled());
    EXPECT_TRUE(window->control<QAction>("Clone1")->isEnabled());
    EXPECT_TRUE(window->control<QAction>("SemdSelectedtoBack1")->isEnabled());

    select(1);
    EXPECT_EQ(window->state().SelectedLine, 8);
    EXPECT_TRUE(window->control<SpinEdit>("CSpinEdit6")->isHidden());
    EXPECT_TRUE(window->control<QLabel>("LabelY2")->isHidden());
    EXPECT_TRUE(window->control<QPushButton>("CHANGEIMAGE")->isHidden());
    EXPECT_FALSE(window->control<QPushButton>("EDITOPTIONS")->isHidden());
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->currentIndex(), 1);

    // Changing the page resets all of it.
    window->control<SpinEdit>("CSpinEdit3")->stepBy(1);
    settle();
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_FALSE(window->control<SpinEdit>("CSpinEdit1")->isEnabled());
    EXPECT_FALSE(window->control<QPushButton>("EDITOPTIONS")->isEnabled());
    EXPECT_FALSE(window->control<QAction>("RemoveSelected1")->isEnabled());
}

TEST_F(MainWindowTest, ReadoutFillsTheSpinsAndTheirEditsWriteTheDocument)
{
    window->state().DATA = Document(designLines);
    settle();
    window->DRAWClick();
    settle();
    select(0);
    window->Timer1Timer();
    settle();
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit1")->text(), QStringLiteral("0"));
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit6")->text(), QStringLiteral("300"));
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit5")->text(), QStringLiteral("200"));

    // Moved elsewhere (dragging, keys): the next readout follows without a render.
    window->state().DATA.setLine(3, QStringLiteral("25"));
    settle();
    window->DRAWClick();
    settle();
    const QString drawTime = window->control<QLabel>("Label9")->text();
    window->Timer1Timer();
    settle();
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit1")->text(), QStringLiteral("25"));
    EXPECT_TRUE(window->view().isCurrent(window->state()));

    window->control<SpinEdit>("CSpinEdit1")->setText(QStringLiteral("-5"));
    settle();
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit1")->text(), QStringLiteral("0"));
    EXPECT_EQ(lines().at(3), QStringLiteral("0"));
    window->control<SpinEdit>("CSpinEdit6")->setText(QStringLiteral("0"));
    settle();
    EXPECT_EQ(lines().at(6), QStringLiteral("0"));
    window->control<SpinEdit>("CSpinEdit2")->setText(QStringLiteral("17"));
    settle();
    EXPECT_EQ(lines().at(4), QStringLiteral("17"));

    // While the text is not a number yet the record keeps its value, without a box.
    for (const char *typing : {"", "-"}) {
        window->control<SpinEdit>("CSpinEdit2")->setText(QString::fromLatin1(typing));
        settle();
        EXPECT_EQ(lines().at(4), QStringLiteral("17"));
    }
    window->control<SpinEdit>("CSpinEdit2")->setText(QStringLiteral("-5"));
    settle();
    EXPECT_EQ(lines().at(4), QStringLiteral("0"));
    EXPECT_TRUE(modals->messages(Modal::MessageKind::Error).isEmpty());
    Q_UNUSED(drawTime);
}

TEST_F(MainWindowTest, StepSpinSetsTheIncrementOfThePositionSpins)
{
    window->control<SpinEdit>("CSpinEdit4")->stepBy(3);
    settle();
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit4")->text(), QStringLiteral("4"));
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit1")->increment(), 4);
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit5")->increment(), 4);
    window->control<SpinEdit>("CSpinEdit4")->stepBy(20);
    settle();
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit4")->text(), QStringLiteral("10"));
}

TEST_F(MainWindowTest, LocationAndMiscAppendTheirRecordsThenEditThem)
{
    modals->onWindow<TForm9>([](TForm9 &f) {
        f.CSpinEdit1->setText(QStringLiteral("50"));
        f.CSpinEdit2->setText(QStringLiteral("-3"));
        f.Button1->click();
    });
    window->Button11Click();
    settle();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP", "LOCATION", "50", "0"}));
    EXPECT_EQ(window->state().LocationLine, 3);

    modals->onWindow<TForm13>([](TForm13 &f) {
        f.CheckBox2->setChecked(true);
        f.Button1->click();
    });
    window->Button16Click();
    settle();
    EXPECT_EQ(lines().mid(6), QStringList({"MISC", "0", "1"}));
    EXPECT_EQ(window->state().MiscLine, 6);

    window->state().DATA.setLine(4, QStringLiteral("70"));
    settle();
    window->DRAWClick();
    settle();
    modals->onWindow<TForm9>([](TForm9 &f) {
        EXPECT_EQ(f.CSpinEdit1->text(), QStringLiteral("70"));
        f.CSpinEdit2->setText(QStringLiteral("8"));
        f.Button1->click();
    });
    window->Button11Click();
    settle();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP", "LOCATION", "70", "8", "MISC", "0", "1"}));
}

// The window shows the close block's lines; the document keeps them joined by CR LF.
TEST_F(MainWindowTest, MiscCarriesTheCloseBlockBothWays)
{
    modals->onWindow<TForm13>([](TForm13 &f) {
        f.Memo1->setPlainText(QStringLiteral("say hi\nsay bye"));
        f.Button1->click();
    });
    window->Button16Click();
    EXPECT_EQ(DocumentCommands::closeBlock(window->state()), QStringLiteral("say hi\r\nsay bye"));

    const QStringList before = lines();
    modals->onWindow<TForm13>([](TForm13 &f) {
        EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("say hi\nsay bye"));
        f.Button1->click();
    });
    window->Button16Click();
    EXPECT_EQ(lines(), before);
}

TEST_F(MainWindowTest, ExportShowsTheScriptWindow)
{
    modals->acceptWindow<TForm9>();
    modals->acceptWindow<TForm13>();
    modals->answerInput(QStringLiteral("testgump"));
    modals->onWindow<TForm8>([](TForm8 &f) {
        EXPECT_EQ(f.lines().first(), QStringLiteral("[DIALOG testgump]"));
        f.accept();
    });
    window->Button8Click();
    settle();
    // The first export names what its prompts put into the design.
    EXPECT_EQ(window->control<QLabel>("Label8")->text(),
              QStringLiteral("Export To Sphere; the design now keeps the screen location, window flags, dialog name "
                             "asked for (Undo takes it back)"));

    // Cancelling the name leaves the result window closed and unchanged.
    window->control<QLabel>("Label8")->clear();
    settle();
    modals->answerInput(std::nullopt);
    window->Button8Click();
    settle();
    EXPECT_TRUE(window->control<QLabel>("Label8")->text().isEmpty());
}

TEST_F(MainWindowTest, ViewTogglesRedrawAndShowFlagsWaitForTheNextRender)
{
    window->control<QScrollBar>("ScrollBar1")->setValue(100);
    settle();
    EXPECT_EQ(window->state().ScrollX, 100);
    EXPECT_TRUE(window->view().isCurrent(window->state()));
    window->control<QScrollBar>("ScrollBar2")->setValue(50);
    settle();
    EXPECT_EQ(window->state().ScrollY, 50);

    window->Button22Click();
    settle();
    EXPECT_EQ(window->control<QScrollBar>("ScrollBar1")->value(), 0);
    EXPECT_EQ(window->state().ScrollX, 0);
    EXPECT_EQ(window->state().ScrollY, 0);

    window->HighlightSelected1Click();
    settle();
    EXPECT_FALSE(window->control<QToolButton>("CheckBox1")->isChecked());
    EXPECT_FALSE(window->state().HighlightSelected);
    window->AlwaysDrawPage01Click();
    settle();
    EXPECT_FALSE(window->state().AlwaysDrawPage0);
    window->PopupMenu1Popup();
    settle();
    EXPECT_FALSE(window->control<QAction>("HighlightSelected1")->isChecked());
    EXPECT_FALSE(window->control<QAction>("AlwaysDrawPage01")->isChecked());

    window->control<QAction>("MenuItem12")->trigger();
    settle();
    EXPECT_FALSE(window->state().ShowText);
    window->control<QAction>("Text2")->trigger();
    settle();
    EXPECT_TRUE(window->state().ShowText);
    window->control<QAction>("GumpPics1")->trigger();
    settle();
    window->ToolButton15Click();
    settle();
    EXPECT_TRUE(window->control<QAction>("MenuItem12")->isChecked());
    EXPECT_FALSE(window->control<QAction>("MenuItem14")->isChecked());
    window->control<QMenu>("PopupMenu2")->close();
    settle();
}

TEST_F(MainWindowTest, AboutImportAndOptionsShowTheirWindows)
{
    modals->acceptWindow<TForm10>();
    window->control<QPushButton>("Button10")->click();
    settle();
    modals->acceptWindow<QDialog>();
    window->Button12Click();
    settle();
    modals->acceptWindow<QDialog>();
    window->Button17Click();
    settle();
    EXPECT_EQ(modals->windowCaptions(),
              QStringList({"Quillmark 1.4", "Import (55i - 99g only)", "Options"}));
}

TEST_F(MainWindowTest, ExportStopsOnCheckErrorsAndGoesOnAfterWarnings)
{
    // A missing decoder would stop the export half-way: the check names it first and nothing is asked.
    window->state().DATA = Document({"{BOP", "0", "button", "1", "2", "gone.bmp", "1", "0", "0", "", "}EOP",
                                     "LOCATION", "5", "5", "MISC", "0", "0"});
    window->DRAWClick();
    settle();
    window->control<QToolButton>("Button8")->click();
    settle();
    const QStringList stopped = modals->messages(Modal::MessageKind::Warning);
    ASSERT_EQ(stopped.size(), 1);
    EXPECT_TRUE(stopped.first().startsWith(QStringLiteral("The export would fail (1 warning, 1 error):\nPage 0, Button at 1 2")))
        << stopped.first().toStdString();
    EXPECT_TRUE(stopped.first().contains(QStringLiteral("button decoder DATA/buttons/gone.CS")));
    EXPECT_FALSE(stopped.first().contains(QStringLiteral("Line 3")));
    EXPECT_EQ(modals->windowCaptions(), QStringList());
    EXPECT_NE(window->control<QLabel>("Label8")->text(), QStringLiteral("Export To Sphere"));

    // A text of blanks is only a warning: named, then the export goes on, the text inline.
    window->state().DATA = Document({"{BOP", "0", "text", "1", "2", "0", "  ", "}EOP", "LOCATION", "5", "5", "MISC",
                                     "0", "0"});
    window->DRAWClick();
    settle();
    modals->answerInput(QStringLiteral("d"));
    modals->onWindow<TForm8>([](TForm8 &f) {
        EXPECT_TRUE(f.lines().contains(QStringLiteral("dtext 1 2 0")));
        f.accept();
    });
    window->Button8Click();
    settle();
    EXPECT_EQ(modals->messages(Modal::MessageKind::Warning).size(), 2);
    EXPECT_EQ(window->control<QLabel>("Label8")->text(),
              QStringLiteral("Export To Sphere; the design now keeps the dialog name asked for (Undo takes it back)"));
}

TEST_F(MainWindowTest, TestModeSwitchesPagesByItsButtonsAndEscapeGoesBackToEditing)
{
    writeFile(QStringLiteral("DATA/buttons/ok.bmp"), SyntheticArt::bmpBytes(SyntheticArt::solid(20, 10, qRgb(0, 90, 0))));
    const QStringList design = {"{BOP", "1", "button", "10", "10", "ok.bmp", "0", "2", "0", "", "}EOP",
                                "{BOP", "2", "button", "10", "10", "ok.bmp", "1", "0", "1", "say hi", "}EOP"};
    window->state().DATA = Document(design);
    settle();
    window->control<SpinEdit>("CSpinEdit3")->stepBy(1);
    settle();
    window->control<QToolButton>("TestButton")->click();
    settle();
    EXPECT_TRUE(window->control<QToolButton>("TestButton")->isChecked());

    window->Image1MouseDown(Qt::LeftButton, 15, 15);
    settle();
    EXPECT_EQ(window->state().Page, QStringLiteral("2"));
    window->Image1MouseDown(Qt::LeftButton, 15, 15);
    settle();
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), QStringLiteral("Reply 1: say hi - the dialog closes"));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &escape);
    settle();
    EXPECT_FALSE(window->control<QToolButton>("TestButton")->isChecked());
    EXPECT_EQ(window->state().Page, QStringLiteral("1"));
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit3")->text(), QStringLiteral("1"));
    EXPECT_EQ(lines(), design);
}

TEST_F(MainWindowTest, RecordsThatCannotBeDrawnAreNamedOnceAndStayListed)
{
    window->state().DATA = Document({"{BOP", "0", "gumppic", "x", "20", "1F4.bmp", "}EOP"});
    settle();
    window->DRAWClick();
    settle();
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), QStringLiteral("gumppic at line 3 not drawn: 'x' is not a valid integer value"));
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->count(), 1);
    EXPECT_TRUE(modals->messages(Modal::MessageKind::Error).isEmpty());

    // Once named, later renders of the same problem leave the status alone.
    window->control<QLabel>("Label8")->setText(QStringLiteral("New Project"));
    settle();
    window->control<QAction>("HighlightSelected1")->trigger();
    settle();
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), QStringLiteral("New Project"));
}

// Undo, Redo and jumps in the history view: the canvas, the select list and
// the Modify panel show the document as it then is.
TEST_F(MainWindowTest, EveryMoveThroughTheHistoryRedrawsFromTheDocument)
{
    for (const char *file : {"1F4.bmp", "2A.BMP"}) {
        scriptPicker(QString::fromLatin1(file));
        window->Button4Click();
        settle();
    }
    ASSERT_EQ(window->control<QComboBox>("ComboBox1")->count(), 2);
    window->History1Click();
    settle();
    auto *view = window->findChild<QUndoView *>();
    ASSERT_NE(view, nullptr);
    const QImage drawn = window->control<CanvasImage>("Image1")->grab().toImage();

    const struct
    {
        const char *how;
        std::function<void()> move;
        int entries;
    } cases[] = {
        {"history <empty>", [&] { view->setCurrentIndex(view->model()->index(0, 0)); }, 0},
        {"history last", [&] { view->setCurrentIndex(view->model()->index(2, 0)); }, 2},
        {"Undo", [&] { window->control<QAction>("Undo1")->trigger(); }, 1},
        {"Redo", [&] { window->control<QAction>("Redo1")->trigger(); }, 2},
        {"history first step", [&] { view->setCurrentIndex(view->model()->index(1, 0)); }, 1},
    };
    for (const auto &c : cases) {
        c.move();
        settle();
        EXPECT_EQ(window->control<QComboBox>("ComboBox1")->count(), c.entries) << c.how;
        EXPECT_EQ(window->state().LineList.size(), c.entries) << c.how;
        EXPECT_EQ(window->control<QToolButton>("REMOVEBUT")->isEnabled(), window->state().SelectedLine > 0) << c.how;
    }
    view->setCurrentIndex(view->model()->index(0, 0));
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_NE(window->control<CanvasImage>("Image1")->grab().toImage(), drawn);
    view->close();
}

// New and Open start a fresh history: no undo brings back the design before them.
TEST_F(MainWindowTest, NoUndoTakesBackNewOrOpen)
{
    writeFile(QStringLiteral("design.SDF"), Document::projectText(designLines));
    const struct
    {
        const char *name;
        std::function<void()> run;
        QStringList lines;
        const char *title;
    } cases[] = {
        {"Open", [&] {
             modals->answerOpenFile(path(QStringLiteral("design.SDF")));
             window->Button1Click();
             settle();
         }, designLines, "design.SDF - "},
        {"New", [&] { window->Button6Click(); }, {"{BOP", "0", "}EOP"}, "Untitled - "},
    };
    for (const auto &c : cases) {
        window->control<SpinEdit>("CSpinEdit3")->stepBy(1);   // a new page: an edit to be discarded
        modals->answerSaveChanges(Modal::SaveAnswer::Discard);
        c.run();
        EXPECT_FALSE(window->control<QAction>("Undo1")->isEnabled()) << c.name;
        window->control<QAction>("Undo1")->trigger();
        settle();
        EXPECT_EQ(lines(), c.lines) << c.name;
        EXPECT_TRUE(window->windowTitle().startsWith(QString::fromLatin1(c.title))) << c.name;
    }
}

// The window system adds the display name to every title that does not end
// with it; the program sets none, so its name shows once.
TEST_F(MainWindowTest, TheProgramIsNamedOnceInTheTitle)
{
    const QString testName = QCoreApplication::applicationName();
    ProgramIdentity::apply();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Quillmark"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName()); // none of its own
    EXPECT_EQ(window->windowTitle().count(QStringLiteral("Quillmark")), 1);
    QCoreApplication::setApplicationName(testName);
}
