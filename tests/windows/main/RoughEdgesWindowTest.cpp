// What a new user meets first: typing a page, leaving a window without Ok,
// the names the export offers, where file windows start, recent and dropped
// files, the client's screen on the canvas, the check's box and the
// problems filter. Typing goes through real key events.
#include "document/Document.h"
#include "platform/IniFile.h"
#include "windows/elements/TForm11.h"
#include "windows/elements/TForm2.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/options/TForm12.h"
#include "windows/options/TForm13.h"
#include "windows/options/TForm9.h"
#include "windows/script/TForm14.h"
#include "windows/script/TForm8.h"
#include "windows/widgets/CanvasImage.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QUndoView>
#include <QUrl>

namespace {

class RoughEdgesTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        settle();
    }

    QLineEdit *pageEdit() const { return window->control<SpinEdit>("CSpinEdit3")->findChild<QLineEdit *>(); }
    QString status() const { return window->control<QLabel>("Label8")->text(); }
    void show(const QStringList &design)
    {
        window->state().DATA = Document(design);
        settle();
        window->DRAWClick();
        settle();
    }
    void writeDesign(const QString &relative, const QByteArray &text)
    {
        QDir(m_dir.path()).mkpath(QFileInfo(path(relative)).path());
        writeFile(relative, text);
    }
};

const QStringList ThreePages = {"{BOP", "0", "}EOP", "{BOP", "1", "}EOP", "{BOP", "2", "}EOP"};

} // namespace

// Typed digits count once Return is pressed or the box is left; text that is
// no number goes back to the page shown; the arrows act at once.
TEST_F(RoughEdgesTest, ThePageBoxTakesATypedNumberOnReturnOrLeaving)
{
    show(ThreePages);
    QLineEdit *edit = pageEdit();
    const struct
    {
        const char *typed;
        bool leaveByFocus;
        const char *page;
    } steps[] = {
        {"2", false, "2"},
        {"1", true, "1"},
        {"x", false, "1"},
        {"-4", false, "0"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.typed);
        window->control<SpinEdit>("CSpinEdit3")->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(s.typed));
        settle();
        EXPECT_NE(window->state().Page, QString::fromLatin1(s.typed)) << "typing alone changes no page";
        if (s.leaveByFocus)
            window->control<QComboBox>("ComboBox1")->setFocus();
        else
            QTest::keyClick(edit, Qt::Key_Return);
        settle();
        EXPECT_EQ(window->state().Page, QString::fromLatin1(s.page));
        EXPECT_EQ(edit->text(), QString::fromLatin1(s.page));
    }
    window->control<SpinEdit>("CSpinEdit3")->stepBy(2);
    settle();
    EXPECT_EQ(window->state().Page, QStringLiteral("2"));
}

// Escape and the title bar's close leave Button Options as Cancel does:
// nothing is added or changed, and the window shows its values as before.
TEST_F(RoughEdgesTest, ButtonOptionsCanBeLeftWithoutOk)
{
    window->control<QComboBox>("ComboBox1")->setFocus();   // no brush: the Insert buttons add
    const QStringList before = lines();
    for (const bool byEscape : {true, false}) {
        SCOPED_TRACE(byEscape ? "Escape" : "close");
        scriptPicker(QStringLiteral("okay.bmp"));
        modals->onWindow<TForm11>([byEscape](TForm11 &f) {
            EXPECT_TRUE(f.windowFlags() & Qt::WindowCloseButtonHint);
            f.CheckBox1->setChecked(true);
            if (byEscape)
                QTest::keyClick(&f, Qt::Key_Escape);
            else
                f.close();
        });
        window->Button3Click();
        settle();
        EXPECT_TRUE(modals->finished());
        EXPECT_EQ(lines(), before);
        EXPECT_FALSE(window->control<TForm11>("Form11")->CheckBox1->isChecked());
    }
}

// The name the design keeps is offered; the first export names what its
// prompts added to the design; the result window's words are the run's own.
TEST_F(RoughEdgesTest, TheExportOffersTheKeptNameAndNamesWhatItAdded)
{
    show({"{BOP", "0", "}EOP"});
    modals->acceptWindow<TForm9>();
    modals->acceptWindow<TForm13>();
    modals->answerInput(QStringLiteral("d_first"));
    modals->onWindow<TForm8>([](TForm8 &f) {
        f.StatusBar1->showMessage(QStringLiteral("Saved somewhere"));
        f.accept();
    });
    window->Button8Click();
    settle();
    EXPECT_TRUE(status().startsWith(QStringLiteral("Export To Sphere; the design now keeps the screen location, "
                                                   "window flags, dialog name")))
        << status().toStdString();
    EXPECT_EQ(lines().mid(lines().size() - 2), QStringList({"DIALOGNAME", "d_first"}));

    show({"{BOP", "0", "}EOP", "LOCATION", "5", "5", "MISC", "0", "0", "DIALOGNAME", "d_guild"});
    modals->inputInitials.clear();
    modals->answerInput(QStringLiteral("d_guild"));
    modals->onWindow<TForm8>([](TForm8 &f) {
        EXPECT_TRUE(f.StatusBar1->currentMessage().isEmpty());
        EXPECT_EQ(f.lines().first(), QStringLiteral("[DIALOG d_guild]"));
        f.accept();
    });
    window->Button8Click();
    settle();
    EXPECT_EQ(modals->inputInitials, QStringList{QStringLiteral("d_guild")});
    EXPECT_EQ(status(), QStringLiteral("Export To Sphere"));
}

// File windows start beside the open design, or where the last file was
// chosen while the design has none; an open shows the first page and
// enters the recent files, which drop a file that is gone with a word.
TEST_F(RoughEdgesTest, FileWindowsStartBesideTheDesignAndRecentFilesFollow)
{
    writeDesign(QStringLiteral("designs/a.SDF"), "{BOP\r\n2\r\n}EOP\r\n{BOP\r\n5\r\n}EOP\r\n");
    modals->answerOpenFile(path(QStringLiteral("designs/a.SDF")));
    window->Button1Click();
    settle();
    EXPECT_EQ(window->state().Page, QStringLiteral("2"));
    EXPECT_EQ(pageEdit()->text(), QStringLiteral("2"));

    modals->fileFolders.clear();
    modals->answerOpenFile(QString());
    window->Button1Click();
    window->Button6Click();   // a new design has no folder: the last one used
    modals->answerOpenFile(QString());
    window->Button1Click();
    settle();
    EXPECT_EQ(modals->fileFolders, QStringList(2, path(QStringLiteral("designs"))));

    auto *recent = window->control<QMenu>("RecentMenu");
    emit recent->aboutToShow();
    ASSERT_FALSE(recent->actions().isEmpty());
    EXPECT_EQ(recent->actions().first()->text(), QStringLiteral("&1 a.SDF"));
    EXPECT_EQ(IniFile(path(QStringLiteral("quillmark.INI"))).readString(QStringLiteral("Recent"), QStringLiteral("File1"), {}),
              path(QStringLiteral("designs/a.SDF")));

    QFile::remove(path(QStringLiteral("designs/a.SDF")));
    emit recent->aboutToShow();
    EXPECT_FALSE(recent->actions().first()->isEnabled());   // "(none yet)"
    EXPECT_TRUE(status().contains(QStringLiteral("a.SDF"))) << status().toStdString();
}

// Save As, Quit and Help have the keys every editor gives them; Save As
// answers its key.
TEST_F(RoughEdgesTest, SaveAsQuitAndHelpHaveTheirKeys)
{
    const struct
    {
        const char *action;
        QKeySequence key;
    } cases[] = {
        {"SaveAs1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"Exit1", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Help1", QKeySequence(Qt::Key_F1)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(window->control<QAction>(QString::fromLatin1(c.action))->shortcut(), c.key) << c.action;
    modals->answerSaveFile(QString());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    EXPECT_TRUE(modals->finished());
}

// A design dropped on the window opens (after "Save changes?"), a script
// fills the import window.
TEST_F(RoughEdgesTest, ADroppedDesignOpensAndADroppedScriptImports)
{
    writeDesign(QStringLiteral("drop/b.sdf"), "{BOP\r\n0\r\ngumppic\r\n1\r\n2\r\n1F4.bmp\r\n}EOP\r\n");
    writeDesign(QStringLiteral("drop/c.SCP"), "[DIALOG c]\r\n0,0\r\n");
    const auto drop = [&](const QString &file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        settle();
    };
    show({"{BOP", "3", "}EOP"});
    scriptPicker(QStringLiteral("1F4.bmp"));
    window->Button4Click();   // unsaved work: a picture
    modals->answerSaveChanges(Modal::SaveAnswer::Discard);
    drop(path(QStringLiteral("drop/b.sdf")));
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "}EOP"}));
    EXPECT_EQ(window->state().FileName, path(QStringLiteral("drop/b.sdf")));

    modals->onWindow<TForm14>([&](TForm14 &w) {
        EXPECT_EQ(w.Edit1->text(), path(QStringLiteral("drop/c.SCP")));
        w.Button3->click();
    });
    drop(path(QStringLiteral("drop/c.SCP")));
    EXPECT_TRUE(modals->finished());

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(path(QStringLiteral("DATA/notes.txt")))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

// The client's screen is outlined from the dialog's location, at the size the
// settings give; the undo history opens whole on the screen.
TEST_F(RoughEdgesTest, TheClientScreenIsOutlinedAndTheUndoHistoryIsOnScreen)
{
    auto *canvas = window->control<CanvasImage>("Image1");
    const struct
    {
        QStringList design;
        QSize screen;
        std::optional<QRect> outline;
    } cases[] = {
        {{"{BOP", "0", "}EOP"}, QSize(800, 600), QRect(0, 0, 800, 600)},
        {{"{BOP", "0", "}EOP", "LOCATION", "30", "40"}, QSize(800, 600), QRect(-30, -40, 800, 600)},
        {{"{BOP", "0", "}EOP", "LOCATION", "30", "40"}, QSize(1024, 768), QRect(-30, -40, 1024, 768)},
        {{"{BOP", "0", "}EOP"}, QSize(0, 600), std::nullopt},
    };
    for (const auto &c : cases) {
        window->settings().screenWidth = c.screen.width();
        window->settings().screenHeight = c.screen.height();
        show(c.design);
        EXPECT_EQ(canvas->clientScreen(), c.outline) << c.screen.width();
    }

    window->control<QAction>("History1")->trigger();
    settle();
    QUndoView *history = window->findChild<QUndoView *>();
    ASSERT_NE(history, nullptr);
    const QRect room = window->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(history->geometry())) << history->x() << "," << history->y();
    history->close();
}

// The box after Check counts by severity and names each element as the
// problems list does; information stays in the list, whose filter hides it.
TEST_F(RoughEdgesTest, TheCheckBoxNamesElementsAndTheListFiltersBySeverity)
{
    show({"{BOP", "0", "gumppic", "1", "2", "logo.bmp", "text", "3", "4", "1152", "Name:", "}EOP"});
    window->control<QToolButton>("CheckButton")->click();
    settle();
    const QStringList boxes = modals->messages(Modal::MessageKind::Warning);
    ASSERT_EQ(boxes.size(), 1);
    // The picture's name is no gump number (an error) and it is missing (a warning); the text's colon a warning.
    EXPECT_TRUE(boxes.first().startsWith(QStringLiteral("2 warnings, 1 error:\nPage 0, Gumppic at 1 2")))
        << boxes.first().toStdString();
    EXPECT_FALSE(boxes.first().contains(QStringLiteral("Line ")));

    // Two pictures the check finds nothing in; the entries name them warning first.
    show({"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "gumppic", "5", "6", "1F4.bmp", "}EOP"});
    window->problems().setProblems(QStringLiteral("Test"), {Problem{3, QStringLiteral("w"), Problem::Severity::Warning},
                                                            Problem{7, QStringLiteral("e"), Problem::Severity::Error},
                                                            Problem{3, QStringLiteral("i"), Problem::Severity::Information}});
    window->showProblems();
    auto *filter = window->control<QComboBox>("ProblemsFilter");
    auto *list = window->control<QListWidget>("ProblemsList");
    const struct
    {
        int filter;
        int rows;
    } cases[] = {{0, 3}, {1, 2}, {2, 1}, {0, 3}};
    for (const auto &c : cases) {
        filter->setCurrentIndex(c.filter);
        settle();
        EXPECT_EQ(list->count(), c.rows) << c.filter;
    }
    // A row chosen under a filter selects the problem it shows.
    window->ProblemsListClick(1);
    settle();
    const int errorElement = window->state().SelectedLine;
    window->ProblemsListClick(0);
    settle();
    EXPECT_NE(window->state().SelectedLine, errorElement);
    filter->setCurrentIndex(2);
    settle();
    window->ProblemsListClick(0);
    settle();
    EXPECT_EQ(window->state().SelectedLine, errorElement);
}

// The Resizepic brush: a click places the background at its pieces' own
// size (three corners a side at least); the Modify panel names width and height.
TEST_F(RoughEdgesTest, AResizepicClickedShowsAtItsOwnSize)
{
    const auto piece = [&](int k, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(qRgb(40, 80, 120));
        ASSERT_TRUE(image.save(path(QStringLiteral("DATA/resizepic/%1%2").arg(k).arg(QStringLiteral("9200.bm"))), "BMP"));
    };
    for (int k = 0; k < 9; ++k)
        piece(k, k == 1 || k == 4 || k == 7 ? 8 : 12, k == 3 || k == 4 || k == 5 ? 8 : 12);
    window->control<QToolButton>("SpeedButton4")->setChecked(true);
    settle();
    scriptPicker(QStringLiteral("9200.Bmp"));
    window->Image1MouseDown(Qt::LeftButton, 30, 40);
    window->Image1MouseUp(Qt::LeftButton, 30, 40);
    settle();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "resizepic", "30", "40", "9200.Bmp", "36", "36", "}EOP"}));
    select(1);
    EXPECT_EQ(window->control<QLabel>("LabelX2")->text(), QStringLiteral("Width"));
    EXPECT_EQ(window->control<QLabel>("LabelY2")->text(), QStringLiteral("Height"));
}

// The import window shows the errors of its own run only.
TEST_F(RoughEdgesTest, TheImportWindowForgetsTheLastRunsErrors)
{
    writeFile(QStringLiteral("menu.scp"), "[DIALOG menu]\r\n0,0\r\n");
    modals->onWindow<TForm14>([&](TForm14 &w) {
        w.setScriptFile(path(QStringLiteral("menu.scp")));
        w.ComboBox1->setEditText(QStringLiteral("other"));
        w.Button2->click();
        EXPECT_GT(w.ListBox1->count(), 0);
        w.Button3->click();
    });
    window->Button12Click();
    settle();
    modals->onWindow<TForm14>([&](TForm14 &w) {
        EXPECT_EQ(w.ListBox1->count(), 0);
        w.Button3->click();
    });
    window->Button12Click();
    settle();
    EXPECT_TRUE(modals->finished());
}
