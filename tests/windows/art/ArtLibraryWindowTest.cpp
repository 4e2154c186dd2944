#include "assets/BitmapFile.h"
#include "assets/BitmapFontFile.h"
#include "assets/client/UnicodeFont.h"
#include "support/SyntheticClient.h"
#include "windows/art/ArtLibraryWindow.h"
#include "windows/main/ScriptedModals.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int Pairs = 300;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A client and a script asking for Pairs buttons: a build of that many
// steps, each writing a picture and its decoder file, then hues and font.
void writeClient(const QString &client, const QString &scripts)
{
    QList<SyntheticClient::Gump> gumps;
    QByteArray script;
    for (int k = 0; k < Pairs; ++k) {
        const int up = 0x2000 + 2 * k;
        gumps.append({up, 40, 30, QList<quint16>(40 * 30, quint16(0x7C00 + k))});
        script += QStringLiteral("button 0 0 0%1 0%2 1 0 1\n").arg(up, 0, 16).arg(up + 1, 0, 16).toLatin1();
    }
    const auto [index, data] = SyntheticClient::mul(gumps);
    writeFile(client + "/gumpidx.mul", index);
    writeFile(client + "/gumpart.mul", data);
    writeFile(client + u'/' + UnicodeFont::GumpFontName, SyntheticClient::unicodeFont(u'A', 0, 0, {"#"}));
    writeFile(scripts + "/many.scp", script);
}

} // namespace

TEST(ArtLibraryWindow, CancelPartWayLeavesOnlyWholeEntriesAndCloses)
{
    const QList<std::pair<const char *, std::function<void(ArtLibraryWindow &)>>> cancels = {
        {"Cancel button", [](ArtLibraryWindow &w) { w.Button1->click(); }},
        {"Escape", [](ArtLibraryWindow &w) { QTest::keyClick(&w, Qt::Key_Escape); }},
    };
    for (const auto &[how, cancel] : cancels) {
        QTemporaryDir client, scripts, out;
        writeClient(client.path(), scripts.path());
        ScriptedModals modals;
        ArtLibraryWindow window;
        window.setOptions({client.path(), out.path() + "/", {scripts.path()}});
        modals.onWindow<ArtLibraryWindow>([&, cancel = cancel](ArtLibraryWindow &w) {
            ASSERT_TRUE(w.isBuilding());
            // Part way: once the first entries are on disk.
            QTest::qWaitFor([&w] { return w.ProgressBar1->value() > 1 || !w.isBuilding(); }, 10000);
            ASSERT_TRUE(w.isBuilding());
            cancel(w);
            // Asked, not yet stopped: the window stays until the thread is done.
            EXPECT_TRUE(w.isVisible());
            EXPECT_FALSE(w.Button1->isEnabled());
            EXPECT_EQ(w.Label1->text(), QStringLiteral("Cancelling …"));
            w.waitUntilDone();
            ASSERT_TRUE(w.report());
            EXPECT_TRUE(w.report()->cancelled);
            EXPECT_GT(w.report()->buttonsWritten, 0);
            EXPECT_LT(w.report()->buttonsWritten, Pairs);
            EXPECT_TRUE(w.Label1->text().startsWith(QStringLiteral("Cancelled: "))) << w.Label1->text().toStdString();
            EXPECT_LT(w.ProgressBar1->value(), w.ProgressBar1->maximum());
            EXPECT_EQ(w.Button1->text(), QStringLiteral("Close"));
            ASSERT_TRUE(w.Button1->isEnabled());
            w.Button1->click();
        });
        EXPECT_EQ(Modal::exec(window), int(QDialog::Accepted)) << how;
        EXPECT_TRUE(modals.finished()) << how;
        EXPECT_FALSE(window.isVisible()) << how;

        // Whatever was written is a whole entry: a picture that loads and its
        // decoder file, nothing left aside; the last steps never came.
        const QDir buttons(out.filePath("DATA/buttons"));
        const QStringList files = buttons.entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(files.size(), 2 * window.report()->buttonsWritten) << how;
        for (const QString &name : files) {
            const QString stem = name.section(u'.', 0, 0);
            if (name.endsWith(".bmp")) {
                EXPECT_FALSE(BitmapFile::load(buttons.filePath(name)).isNull()) << how << name.toStdString();
                EXPECT_TRUE(files.contains(stem + ".cs")) << how << name.toStdString();
            } else {
                ASSERT_TRUE(name.endsWith(".cs")) << how << name.toStdString();
                QFile cs(buttons.filePath(name));
                ASSERT_TRUE(cs.open(QIODevice::ReadOnly));
                EXPECT_EQ(cs.readAll().count("\r\n"), 2) << how << name.toStdString();
            }
        }
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList()) << how;
        EXPECT_FALSE(QFileInfo::exists(out.filePath(BitmapFontFile::FileName))) << how;
    }
}
