#include "document/SelectionSet.h"
#include "platform/IniFile.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>

#include <QFile>

// New, Open, Import and closing the window ask before unsaved work goes.
TEST_F(MainWindowTest, UnsavedWorkIsSavedDiscardedOrKeptAsAnswered)
{
    using Modal::SaveAnswer;
    struct Case
    {
        const char *name;
        SaveAnswer answer;
        QString saveAs;        // Save As answer when Save is chosen; empty: cancelled
        bool goesOn;           // the command replaced the document
        bool fileWritten;
    };
    const Case cases[] = {
        {"save", SaveAnswer::Save, QStringLiteral("kept"), true, true},
        {"discard", SaveAnswer::Discard, QString(), true, false},
        {"cancel", SaveAnswer::Cancel, QString(), false, false},
        {"save as cancelled", SaveAnswer::Save, QString(), false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (window->windowTitle().contains(QStringLiteral("* - ")))
            modals->answerSaveChanges(SaveAnswer::Discard); // what the case before kept
        window->Button6Click();
        settle();
        window->control<SpinEdit>("CSpinEdit3")->setText(QStringLiteral("2")); // creates page 2: unsaved work
        settle();
        const QStringList edited = lines();
        QFile::remove(path(QStringLiteral("kept.SDF")));

        modals->answerSaveChanges(c.answer);
        if (c.answer == SaveAnswer::Save)
            modals->answerSaveFile(c.saveAs.isEmpty() ? QString() : path(c.saveAs));
        const qsizetype before = modals->shown().size();
        window->Button6Click();
        settle();

        ASSERT_GT(modals->shown().size(), before);
        EXPECT_EQ(modals->shown()[before].text, QStringLiteral("Save changes?"));
        EXPECT_EQ(lines() != edited, c.goesOn);
        EXPECT_EQ(QFile::exists(path(QStringLiteral("kept.SDF"))), c.fileWritten);
        EXPECT_TRUE(modals->finished());
    }
    // Nothing unsaved: no question.
    modals->answerSaveChanges(SaveAnswer::Discard);
    window->Button6Click();
    settle();
    modals->answerOpenFile(QString());
    window->Button1Click();
    settle();
}

TEST_F(MainWindowTest, OpenImportAndCloseAskBeforeUnsavedWorkGoes)
{
    window->control<SpinEdit>("CSpinEdit3")->setText(QStringLiteral("2"));
    settle();
    const QStringList edited = lines();

    modals->answerSaveChanges(Modal::SaveAnswer::Cancel);
    window->Button1Click();   // no open dialog after Cancel
    modals->answerSaveChanges(Modal::SaveAnswer::Cancel);
    window->Button12Click();  // no import window either
    modals->answerSaveChanges(Modal::SaveAnswer::Cancel);
    window->show();
    settle();
    EXPECT_FALSE(window->close());
    EXPECT_EQ(lines(), edited);
    EXPECT_TRUE(modals->finished());

    modals->answerSaveChanges(Modal::SaveAnswer::Discard);
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, CanvasKeysZoomAndGridAsTheViewMenuSays)
{
    window->state().DATA = Document({"{BOP", "0", "gumppic", "10", "10", "1F4.bmp", "gumppic", "40", "10", "1F4.bmp", "}EOP"});
    settle();
    window->DRAWClick();
    settle();
    window->state().LineList = {2, 6};
    SelectionSet::selectLines(window->state(), {2, 6});
    window->DRAWClick();
    settle();

    // The arrows on the focused canvas nudge every selected element, not the select list.
    const int entry = window->control<QComboBox>("ComboBox1")->currentIndex();
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(window->control<CanvasImage>("Image1"), &right);
    EXPECT_EQ(lines().mid(3, 1), QStringList({"11"}));
    EXPECT_EQ(lines().mid(7, 1), QStringList({"41"}));
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->currentIndex(), entry);

    struct Step { QAction *action; int zoom; };
    for (const Step &s : {Step{window->control<QAction>("ZoomIn1"), 150}, Step{window->control<QAction>("ZoomIn1"), 200}, Step{window->control<QAction>("ZoomOut1"), 150},
                          Step{window->control<QAction>("ActualSize1"), 100}}) {
        s.action->trigger();
        EXPECT_EQ(window->state().Zoom, s.zoom);
        EXPECT_EQ(window->control<CanvasImage>("Image1")->zoom(), s.zoom);
    }
    EXPECT_GE(window->control<QScrollBar>("ScrollBar1")->maximum(), 400);
    EXPECT_EQ(window->control<QAction>("ActualSize1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
    EXPECT_EQ(window->control<QAction>("Export1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));

    window->control<QAction>("ShowGrid1")->trigger();
    settle();
    EXPECT_TRUE(window->settings().gridShow);
    EXPECT_TRUE(IniFile(path(QStringLiteral("quillmark.INI"))).readBool(QStringLiteral("Grid"), QStringLiteral("Show"), false));

    window->control<QAction>("Delete1")->trigger();   // Delete removes the whole selection
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP"}));
}
