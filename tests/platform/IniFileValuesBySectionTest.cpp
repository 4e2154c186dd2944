#include "platform/IniFile.h"
#include "support/TextFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(IniFileValuesBySection, AgreesWithReadString)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/a.ini");
    writeTextFile(path, QStringLiteral("key=outside\r\n[One]\r\n;key=comment\r\nKEY = first\r\nkey=second\r\n"
                                       "[two]\r\nother=x\r\n[ONE]\r\nkey=repeated section\r\n[Three]\r\nkey=\r\n"));
    const IniFile file(path);
    const QHash<QString, QString> values = file.valuesBySection(QStringLiteral("Key"));
    EXPECT_EQ(values.size(), 2);
    EXPECT_EQ(values.value(QStringLiteral("one")), QStringLiteral("first"));
    EXPECT_EQ(values.value(QStringLiteral("one")), file.readString(QStringLiteral("One"), QStringLiteral("key"), {}));
    EXPECT_FALSE(values.contains(QStringLiteral("two")));
    EXPECT_TRUE(values.contains(QStringLiteral("three")));
    EXPECT_TRUE(values.value(QStringLiteral("three")).isEmpty());
}
