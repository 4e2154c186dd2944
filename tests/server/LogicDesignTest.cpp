// The generator's logic designs and the judge's handling of them, without a server.
#include "DesignGenerator.h"
#include "DifferentialRun.h"

#include "document/FieldValue.h"
#include "document/RecordWalker.h"

#include <QMap>

#include <gtest/gtest.h>

namespace {

// Each record of what the server must show comes from a record of the same
// kind in the logic design, with every place worked out, and holds no logic.
TEST(LogicDesign, WhatTheServerMustShowComesFromTheDesignRecordByRecord)
{
    int logic = 0, copies = 0;
    // The statements of each form the generator writes, by their first word.
    QMap<QString, int> statements;
    for (unsigned seed = 0; seed < 400; ++seed) {
        const GeneratedDesign d = DesignGenerator(seed).logicDesign();
        ASSERT_TRUE(d.hasLogic());
        ASSERT_EQ(d.expected.size(), d.expectedSource.size()) << seed;
        logic += d.lines.contains(QStringLiteral("script"));
        for (qsizetype k = 0; k + 1 < d.lines.size(); ++k)
            if (d.lines[k] == u"script")
                ++statements[d.lines[k + 1].simplified().section(u' ', 0, 0).toUpper()];
        QSet<int> sources;
        RecordWalker w(d.expected);
        while (w.next()) {
            const int from = d.expectedSource[w.line()];
            ASSERT_GT(from, 0);
            ASSERT_EQ(d.lines.value(from - 1), d.expected[w.line()]) << "seed " << seed << ", line " << w.line() + 1;
            if (w.item() != RecordWalker::Item::Element)
                continue;
            EXPECT_FALSE(Records::isScript(w.kind())) << seed;
            for (const int k : {1, 2})
                EXPECT_TRUE(FieldValue::formOf(w.field(k)) == FieldValue::Form::Number) << seed << ": " << w.field(k).toStdString();
            copies += sources.contains(from);
            sources.insert(from);
        }
    }
    EXPECT_GT(logic, 350);   // nearly every design holds script lines
    EXPECT_GT(copies, 100);  // and loops make copies
    for (const char *word : {"IF", "ELSE", "FOR", "WHILE", "ENDWHILE", "DOSWITCH", "DORAND", "ENDDO", "BEGIN", "END",
                             "RETURN", "DORIGIN"})
        EXPECT_GT(statements.value(QString::fromLatin1(word)), 20) << word;
}

// A refused logic design: what came from the erring record goes, the rest
// points at the lines it has in the design without it.
TEST(LogicDesign, TheRestOfARefusedLogicDesignKeepsItsSources)
{
    GeneratedDesign d;
    d.lines = {"{BOP", "0", "script", "FOR 2", "text", "1", "2", "0", "a\r\nb", "script", "ENDFOR",
               "gumppic", "+5", "2", "1F4.bmp", "}EOP"};
    d.expected = {"{BOP", "0", "text", "1", "2", "0", "a\r\nb", "text", "1", "2", "0", "a\r\nb",
                  "gumppic", "5", "2", "1F4.bmp", "}EOP"};
    d.expectedSource = {1, 1, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 12, 12, 12, 12, 16};
    // A record cut leaves a dorigin line that moves nothing in its place,
    // so that a DOSWITCH around it counts its lines alike.
    const GeneratedDesign kept = DifferentialRun::without(d, {5});
    EXPECT_EQ(kept.lines, (QStringList{"{BOP", "0", "script", "FOR 2", "script", "dorigin *0 *0", "script", "ENDFOR",
                                       "gumppic", "+5", "2", "1F4.bmp", "}EOP"}));
    EXPECT_EQ(kept.expected, (QStringList{"{BOP", "0", "gumppic", "5", "2", "1F4.bmp", "}EOP"}));
    EXPECT_EQ(kept.expectedSource, (QList<int>{1, 1, 9, 9, 9, 9, 13}));
    EXPECT_EQ(DifferentialRun::without(d, {}).expected, d.expected);
    // One that moved the origin moves it still.
    GeneratedDesign moving = d;
    moving.lines[12] = QStringLiteral("*5");
    const GeneratedDesign rest = DifferentialRun::without(moving, {5, 12});
    EXPECT_EQ(rest.lines, (QStringList{"{BOP", "0", "script", "FOR 2", "script", "dorigin *0 *0", "script", "ENDFOR",
                                       "script", "dorigin *5 *0", "}EOP"}));
    EXPECT_EQ(rest.expectedSource.last(), 11);
}

} // namespace
