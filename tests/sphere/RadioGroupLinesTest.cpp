#include "sphere/SphereExport.h"
#include "support/FileFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A group line the server may not have run (another branch, a block since
// closed) does not stand for the radios after it: they name their group again.
TEST(RadioGroupLines, ARadioAfterABranchNamesItsGroupAgain)
{
    const auto radio = [](const QString &y, const QString &group) {
        return QStringList{"radio", "1", y, "okay.bmp", "0", "5", group};
    };
    const auto script = [](const QString &line) { return QStringList{"script", line}; };
    struct Case { const char *name; QList<QStringList> records; QStringList written; };
    const Case cases[] = {
        {"one group, no logic", {radio("1", "2"), radio("2", "2")}, {"group 2", "radio 1 1", "radio 1 2"}},
        {"plain script lines leave it standing",
         {radio("1", "2"), script("LOCAL.x=1"), radio("2", "2")}, {"group 2", "radio 1 1", "LOCAL.x=1", "radio 1 2"}},
        {"written before the condition, it holds inside",
         {radio("1", "2"), script("IF (1)"), radio("2", "2"), script("ENDIF")},
         {"group 2", "radio 1 1", "IF (1)", "radio 1 2", "ENDIF"}},
        {"written in a branch, not in the next",
         {script("IF (0)"), radio("1", "2"), script("ELSE"), radio("2", "2"), script("ENDIF"), radio("3", "2")},
         {"IF (0)", "group 2", "radio 1 1", "ELSE", "group 2", "radio 1 2", "ENDIF", "group 2", "radio 1 3"}},
        {"written in a loop, again after it",
         {script("FOR 3"), radio("1", "3"), radio("2", "3"), script("ENDFOR"), radio("3", "3")},
         {"FOR 3", "group 3", "radio 1 1", "radio 1 2", "ENDFOR", "group 3", "radio 1 3"}},
        {"a loop's next round begins with the group the last one left",
         {script("FOR 2"), radio("1", "0"), radio("2", "2"), script("ENDFOR")},
         {"FOR 2", "group 0", "radio 1 1", "group 2", "radio 1 2", "ENDFOR"}},
        // DOSWITCH and DORAND run one line: the group line must not be it.
        {"a radio choice is one block",
         {script("DOSWITCH 0"), radio("1", "2"), radio("2", "2"), script("ENDDO"), radio("3", "2")},
         {"DOSWITCH 0", "BEGIN", "group 2", "radio 1 1", "END", "BEGIN", "group 2", "radio 1 2", "END", "ENDDO",
          "group 2", "radio 1 3"}},
        {"inside a block of a choice, as anywhere",
         {script("DORAND 1"), script("IF (1)"), radio("1", "2"), radio("2", "2"), script("ENDIF"), script("ENDDO")},
         {"DORAND 1", "IF (1)", "group 2", "radio 1 1", "radio 1 2", "ENDIF", "ENDDO"}},
    };
    QTemporaryDir dir;
    FileFixtures::writeFile(dir.filePath("DATA/buttons/okay.cs"), "D2\r\nD3\r\n");
    for (const Case &c : cases) {
        QStringList lines{"{BOP", "0"};
        for (const QStringList &r : c.records)
            lines += r;
        lines << "}EOP" << "LOCATION" << "0" << "0";
        QStringList out;
        writeSphereScript(lines, SphereDialect::V55iTo99g, "t", dir.path(), out);
        QStringList body;
        for (const QString &line : out.mid(out.indexOf("PAGE 0") + 1))
            if (line.startsWith("radio") || line.startsWith("group") || line.startsWith("IF") || line.startsWith("E")
                || line.startsWith("FOR") || line.startsWith("LOCAL") || line.startsWith("D") || line.startsWith("BEGIN"))
                body << (line.startsWith("radio") ? line.section(u' ', 0, 2) : line);
        EXPECT_EQ(body, c.written) << c.name;
    }
}
