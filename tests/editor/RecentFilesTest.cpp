#include "editor/RecentFiles.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList named(const QString &dir, std::initializer_list<const char *> names)
{
    QStringList paths;
    for (const char *n : names)
        paths << dir + u'/' + QString::fromLatin1(n);
    return paths;
}

} // namespace

// Newest first, each file once, at most eight.
TEST(RecentFiles, AddsToTheFrontOnceAndKeepsEight)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    const struct
    {
        std::initializer_list<const char *> added;
        std::initializer_list<const char *> listed;
    } cases[] = {
        {{"a.SDF"}, {"a.SDF"}},
        {{"a.SDF", "b.SDF", "a.SDF"}, {"a.SDF", "b.SDF"}},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "9"}, {"9", "8", "7", "6", "5", "4", "3", "2"}},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "1"}, {"1", "8", "7", "6", "5", "4", "3", "2"}},
    };
    for (const auto &c : cases) {
        RecentFiles recent;
        for (const QString &path : named(d, c.added))
            recent.add(path);
        EXPECT_EQ(recent.files(), named(d, c.listed));
    }
    RecentFiles recent;
    recent.add(d + QStringLiteral("/sub/../x.SDF"));   // the same file spelt otherwise is one entry
    recent.add(d + QStringLiteral("/x.SDF"));
    EXPECT_EQ(recent.files(), named(d, {"x.SDF"}));
}

// Kept in the settings file beside the other sections; files that are gone
// are dropped and named.
TEST(RecentFiles, KeptInTheSettingsFileAndMissingOnesDropped)
{
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/quillmark.INI");
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Grid]\r\nShow=1\r\n");
    }
    const QStringList files = named(dir.path(), {"kept.SDF", "gone.SDF", "also.SDF"});
    for (const QString &path : {files[0], files[2]}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    RecentFiles written;
    for (auto it = files.crbegin(); it != files.crend(); ++it)
        written.add(*it);
    IniFile file(ini);
    written.write(file);

    RecentFiles read;
    read.read(IniFile(ini));
    EXPECT_EQ(read.files(), files);
    EXPECT_TRUE(IniFile(ini).readBool(QStringLiteral("Grid"), QStringLiteral("Show"), false));
    EXPECT_EQ(read.dropMissing(), QStringList{files[1]});
    EXPECT_EQ(read.files(), QStringList({files[0], files[2]}));
    EXPECT_TRUE(read.dropMissing().isEmpty());

    // Fewer files than before leave no stale keys behind.
    IniFile again(ini);
    read.write(again);
    RecentFiles reread;
    reread.read(IniFile(ini));
    EXPECT_EQ(reread.files(), read.files());
}
