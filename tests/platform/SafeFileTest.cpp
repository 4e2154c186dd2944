#include "document/Document.h"
#include "platform/IniFile.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"
#include "support/FileFixtures.h"
#include "support/SmallTmpfs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>

using FileFixtures::readFile;
using FileFixtures::writeFile;

namespace {

// Each way the program writes a file, writing a few KiB (small enough to sit
// wholly in a write buffer, where a full disk shows up only at the flush).
struct Writer {
    const char *name;
    std::function<void(const QString &path)> write;
};

const QStringList designLines = [] {
    QStringList lines{"{BOP", "0"};
    for (int i = 0; i < 400; ++i)
        lines << "TEXT" << QString::number(i) << "10" << "0" << "a line of text";
    return lines << "}EOP";
}();

const Writer writers[] = {
    {"SafeFile", [](const QString &p) { SafeFile::write(p, QByteArray(6000, 'n')); }},
    {"ProjectFile", [](const QString &p) { Document::saveProjectFile(p, designLines); }},
    {"IniFile", [](const QString &p) { IniFile(p).writeString("Files", "Last", QString(6000, u'n')); }},
};

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(SafeFile, FullDiskKeepsTheOldFileAndReportsTheFailure)
{
    for (const Writer &w : writers) {
        SCOPED_TRACE(w.name);
        SmallTmpfs fs(64);
        if (!fs.mounted())
            GTEST_SKIP() << "needs root to mount a small tmpfs";
        const QString path = fs.filePath("design.SDF");
        const QByteArray old = "{BOP\r\n0\r\n}EOP\r\n";
        writeFile(path, old);
        fs.fill();

        try {
            w.write(path);
            ADD_FAILURE() << "a write onto a full disk reported success";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.message(), "Unable to write to " + path);
        }
        EXPECT_EQ(readFile(path), old);
        EXPECT_EQ(entriesOf(fs.filePath(".")), QStringList({"design.SDF", "filler"}));

        fs.makeRoom();
        w.write(path);
        EXPECT_GT(readFile(path).size(), 5000);
    }
}

TEST(SafeFile, ReplacesWholeFilesAndKeepsTheirPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.INI");
    SafeFile::write(path, "first version, longer than the second");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    SafeFile::write(path, "second");
    EXPECT_EQ(readFile(path), "second");
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFileInfo(path).permissions() & others, QFileDevice::Permissions());
    EXPECT_EQ(entriesOf(dir.path()), QStringList({"a.INI"}));

    // Through a link the file it points to is replaced, the link stays.
    const QString link = dir.filePath("link.INI");
    ASSERT_TRUE(QFile::link(path, link));
    SafeFile::write(link, "third");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(path), "third");
}

TEST(SafeFile, MissingFolderIsReportedAsCannotCreate)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no such folder/a.SDF");
    try {
        SafeFile::write(path, "x");
        FAIL() << "no error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), "Cannot create file " + path);
    }
}
