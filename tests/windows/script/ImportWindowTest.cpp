#include "windows/main/MainWindowFixture.h"
#include "windows/script/TForm14.h"
#include "windows/widgets/SpinEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QLabel>
#include <QTest>

namespace {

QStringList entries(const QListWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

} // namespace

TEST_F(MainWindowTest, ImportReplacesTheDocumentOrLeavesIt)
{
    writeFile(QStringLiteral("menu.scp"), "[DIALOG menu]\r\n5,6\r\ngumppic 1 2 500\r\ntext 0 0 0 3\r\n"
                                          "[DIALOG menu TEXT]\r\nzero\r\n");
    const QStringList before = lines();

    // A name the file lacks: the window stays open with the message and the names there are; nothing changes.
    modals->onWindow<TForm14>([&](TForm14 &w) {
        EXPECT_TRUE(w.Edit1->text().isEmpty());
        modals->answerOpenFile(path(QStringLiteral("menu.scp")));
        w.Button1->click();
        EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("menu"));
        w.ComboBox1->setEditText(QStringLiteral("other"));
        w.Button2->click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(entries(*w.ListBox1), QStringList({QStringLiteral("I found no dialog in file with such name"),
                                                     QStringLiteral("The file defines: menu")}));
        w.Button3->click();
    });
    window->Button12Click();
    settle();
    EXPECT_EQ(lines(), before);

    // The right name: the document is replaced, the warning stays in the list.
    modals->onWindow<TForm14>([&](TForm14 &w) {
        EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("other"));
        w.ComboBox1->setEditText(QStringLiteral("MENU"));
        w.Button2->click();
        EXPECT_EQ(entries(*w.ListBox1), QStringList{QStringLiteral("NO SUCH TEXT (3)")});
    });
    window->Button12Click();
    settle();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "text", "0", "0", "0", "", "}EOP",
                                    "LOCATION", "5", "6", "MISC", "0", "0", "TEXTLINE", "0", "zero", "DIALOGNAME",
                                    "MENU"}));
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->count(), 2);
    EXPECT_TRUE(modals->finished());
}

// What the import left out stays in the Problems list, with the script's
// line and text, until the design changes; the status counts it; the page
// box shows the dialog's first page, so its elements can be chosen.
TEST_F(MainWindowTest, AnImportListsWhatItLeftOutAndShowsTheDialogsFirstPage)
{
    writeFile(QStringLiteral("menu.scp"), "[DIALOG menu]\r\n5,6\r\ngumppic 1 2 500\r\ntooltip 1020\r\n"
                                          "text 0 0 0 3\r\n[DIALOG menu TEXT]\r\nzero\r\n");
    window->control<SpinEdit>("CSpinEdit3")->setText(QStringLiteral("1"));
    settle();
    ASSERT_EQ(window->state().Page, QStringLiteral("1"));
    modals->answerSaveChanges(Modal::SaveAnswer::Discard); // the page made
    modals->onWindow<TForm14>([&](TForm14 &w) {
        w.setScriptFile(path(QStringLiteral("menu.scp")));
        w.Button2->click();
    });
    window->Button12Click();
    settle();
    ASSERT_TRUE(modals->finished());

    EXPECT_EQ(window->state().Page, QStringLiteral("0"));
    EXPECT_EQ(window->control<SpinEdit>("CSpinEdit3")->text(), QStringLiteral("0"));
    // The tooltip line is kept where it stood, as a script line of the list.
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->count(), 3);
    const QStringList listed = entries(*window->control<QListWidget>("ProblemsList"));
    EXPECT_TRUE(listed.contains(QStringLiteral("Script: NO SUCH TEXT (3)")));
    EXPECT_TRUE(window->control<QLabel>("Label8")->text().contains(QStringLiteral("1 script line left out")))
        << window->control<QLabel>("Label8")->text().toStdString();

    select(0);
    window->control<SpinEdit>("CSpinEdit1")->setText(QStringLiteral("9")); // the design changes
    settle();
    EXPECT_FALSE(entries(*window->control<QListWidget>("ProblemsList")).join(u'\n').contains(QStringLiteral("Script")));
}

// The fields hold no text of their own: typing gives what is typed. A typed
// file offers its dialogs, found in any case, the first chosen.
TEST_F(MainWindowTest, TheImportFieldsTakeTypingAndOfferTheFilesDialogs)
{
    writeFile(QStringLiteral("two.scp"), "[dialog First]\r\n0,0\r\n[DIALOG first TEXT]\r\n[Dialog second]\r\n0,0\r\n");
    modals->onWindow<TForm14>([&](TForm14 &w) {
        EXPECT_EQ(w.Edit1->placeholderText(), QStringLiteral("Sphere Script to open"));
        EXPECT_EQ(w.ComboBox1->lineEdit()->placeholderText(), QStringLiteral("Name of Dialog"));
        w.Edit1->setFocus();
        QTest::keyClicks(w.Edit1, path(QStringLiteral("two.scp")));
        QTest::keyClick(w.Edit1, Qt::Key_Return);
        EXPECT_EQ(w.Edit1->text(), path(QStringLiteral("two.scp")));
        ASSERT_EQ(w.ComboBox1->count(), 2);
        EXPECT_EQ(w.ComboBox1->itemText(1), QStringLiteral("second"));
        EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("First"));
        w.ComboBox1->setEditText(QString());
        QTest::keyClicks(w.ComboBox1->lineEdit(), QStringLiteral("secondX"));
        EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("secondX"));
        w.Button3->click();
    });
    window->Button12Click();
    settle();
    EXPECT_TRUE(modals->finished());
}

// A file named on the command line: a design opens, a script fills the
// import window, and one that cannot be read is named while the designer
// starts with a new document.
TEST_F(MainWindowTest, TheFileNamedAtStartIsOpenedOnceStartUpIsDone)
{
    writeFile(QStringLiteral("start.SDF"), "{BOP\r\n0\r\ngumppic\r\n1\r\n2\r\n1F4.bmp\r\n}EOP\r\n");
    window->StartFile = path(QStringLiteral("start.SDF"));
    boot();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "}EOP"}));
    EXPECT_TRUE(window->StartFile.isEmpty());

    window->StartFile = path(QStringLiteral("missing.SDF"));
    modals->runWindow(QStringLiteral("System Update"));
    window->BOOTTimer();
    settle();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP"}));
    const QStringList warnings = modals->messages(Modal::MessageKind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().startsWith(QStringLiteral("Unable to open ") + path(QStringLiteral("missing.SDF"))));

    writeFile(QStringLiteral("menu.scp"), "[DIALOG menu]\r\ngumppic 1 2 500\r\n");
    window->StartFile = path(QStringLiteral("menu.scp"));
    modals->runWindow(QStringLiteral("System Update"));
    modals->onWindow<TForm14>([&](TForm14 &w) {
        EXPECT_EQ(w.Edit1->text(), path(QStringLiteral("menu.scp")));
        w.Button3->click();
    });
    window->BOOTTimer();
    settle();
    EXPECT_TRUE(modals->finished());
}
