#include "sphere/SphereExport.h"
#include "windows/main/ScriptedModals.h"
#include "windows/script/TForm8.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList Script{"[DIALOG d_café]", "0, 0", "dtext 10 10 0 Café ğüzel", "", "[DIALOG d_café TEXT]"};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

} // namespace

TEST(ExportWindow, CopyPutsTheWholeScriptWithItsLettersOnTheClipboard)
{
    ScriptedModals modals;
    TForm8 window;
    window.setLines(Script);
    QGuiApplication::clipboard()->clear();
    window.CopyButton->click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, Script.join(u'\n'));
    EXPECT_TRUE(copied.contains(u'é') && copied.contains(u'ğ'));
    EXPECT_TRUE(window.Memo1->textInteractionFlags() & Qt::TextSelectableByMouse);
}

// The saved file is in the encoding the dialect's server reads; an 8-bit
// file that cannot carry a letter is not written at all.
TEST(ExportWindow, SaveWritesTheDialectsEncodingOrNothing)
{
    QTemporaryDir dir;
    const struct
    {
        const char *dialect;
        QStringList lines;
        QByteArray bytes; // "(none)" when refused
    } cases[] = {
        {"55i - 99g", {"dtext 0 0 0 é ğ"}, "dtext 0 0 0 \xC3\xA9 \xC4\x9F\r\n"},
        {"48e - 51a", {"text 0 0 0 0", "é"}, "text 0 0 0 0\r\n\xE9\r\n"},
        {"48e - 51a", {"ğ"}, "(none)"},
    };
    int n = 0;
    for (const auto &c : cases) {
        ScriptedModals modals;
        TForm8 window;
        window.setDialect(QString::fromLatin1(c.dialect));
        window.setLines(c.lines);
        const QString path = dir.filePath(QStringLiteral("out%1").arg(++n));
        modals.answerSaveFile(path);
        window.SaveButton->click();
        EXPECT_EQ(fileBytes(path + QStringLiteral(".scp")), c.bytes) << c.dialect << n;
        EXPECT_EQ(modals.messages(Modal::MessageKind::Error).size(), c.bytes == "(none)" ? 1 : 0) << n;
    }
}
