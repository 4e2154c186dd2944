#include "app/forms/MainWindowFixture.h"
#include "ui/forms/SpinEdit.h"

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
        window->CSpinEdit3->setText(QStringLiteral("2")); // creates page 2: unsaved work
        const QStringList edited = lines();
        QFile::remove(path(QStringLiteral("kept.SDF")));

        modals->answerSaveChanges(c.answer);
        if (c.answer == SaveAnswer::Save)
            modals->answerSaveFile(c.saveAs.isEmpty() ? QString() : path(c.saveAs));
        const qsizetype before = modals->shown().size();
        window->Button6Click();

        ASSERT_GT(modals->shown().size(), before);
        EXPECT_EQ(modals->shown()[before].text, QStringLiteral("Save changes?"));
        EXPECT_EQ(lines() != edited, c.goesOn);
        EXPECT_EQ(QFile::exists(path(QStringLiteral("kept.SDF"))), c.fileWritten);
        EXPECT_TRUE(modals->finished());
    }
    // Nothing unsaved: no question.
    modals->answerSaveChanges(SaveAnswer::Discard);
    window->Button6Click();
    modals->answerOpenFile(QString());
    window->Button1Click();
}

TEST_F(MainWindowTest, OpenImportAndCloseAskBeforeUnsavedWorkGoes)
{
    window->CSpinEdit3->setText(QStringLiteral("2"));
    const QStringList edited = lines();

    modals->answerSaveChanges(Modal::SaveAnswer::Cancel);
    window->Button1Click();   // no open dialog after Cancel
    modals->answerSaveChanges(Modal::SaveAnswer::Cancel);
    window->Button12Click();  // no import window either
    modals->answerSaveChanges(Modal::SaveAnswer::Cancel);
    window->show();
    EXPECT_FALSE(window->close());
    EXPECT_EQ(lines(), edited);
    EXPECT_TRUE(modals->finished());

    modals->answerSaveChanges(Modal::SaveAnswer::Discard);
    EXPECT_TRUE(window->close());
}
