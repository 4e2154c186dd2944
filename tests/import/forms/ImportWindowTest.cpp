#include "app/forms/MainWindowFixture.h"
#include "import/forms/TForm14.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

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

    // A name the file lacks: the window stays open with the message, nothing changes.
    modals->onWindow<TForm14>([&](TForm14 &w) {
        EXPECT_EQ(w.Edit1->text(), QStringLiteral("Sphere Script to open"));
        modals->answerOpenFile(path(QStringLiteral("menu.scp")));
        w.Button1->click();
        w.Edit2->setText(QStringLiteral("other"));
        w.Button2->click();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(entries(*w.ListBox1), QStringList{QStringLiteral("I found no dialog in file with such name")});
        w.Button3->click();
    });
    window->Button12Click();
    EXPECT_EQ(lines(), before);

    // The right name: the document is replaced, the warning stays in the list.
    modals->onWindow<TForm14>([&](TForm14 &w) {
        EXPECT_EQ(w.Edit2->text(), QStringLiteral("other"));
        w.Edit2->setText(QStringLiteral("MENU"));
        w.Button2->click();
        EXPECT_EQ(entries(*w.ListBox1), QStringList{QStringLiteral("NO SUCH TEXT (3)")});
    });
    window->Button12Click();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "text", "0", "0", "0", "", "}EOP",
                                    "LOCATION", "5", "6", "MISC", "0", "0"}));
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_EQ(window->ComboBox1->count(), 2);
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
    EXPECT_TRUE(modals->finished());
}
