#include "document/DesignHead.h"
#include "document/Document.h"
#include "document/ElementRecord.h"
#include "document/FieldValue.h"
#include "document/RecordWalker.h"
#include "document/ScriptNesting.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

using Form = FieldValue::Form;

std::vector<ElementRecord> readAll(const QStringList &lines)
{
    std::vector<ElementRecord> records;
    RecordWalker w(lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::Element)
            records.push_back(ElementRecord::read(w));
    return records;
}

} // namespace

TEST(FieldValue, FormsAndStandIns)
{
    struct Row { QString text; Form form; int standIn; std::optional<int> evaluated; };
    const Row rows[] = {
        {"20", Form::Number, 20, 20},
        {"-5", Form::Number, 95, -5},           // from the origin 100, as the server reads it
        {"0x1F", Form::Number, 31, 31},
        {"+20", Form::Relative, 120, std::nullopt},
        {"*20", Form::Relative, 120, std::nullopt},
        {"-", Form::Relative, 100, std::nullopt},
        {"+010", Form::Relative, 116, std::nullopt}, // a leading 0 is hexadecimal to the server
        {"<eval 30+20*2>", Form::Expression, 70, 70},
        {"<eval (30+20)*2>", Form::Expression, 100, 100},
        {"<eval 7/0>", Form::Expression, 0, std::nullopt},
        {"<eval 30+<local.i>*20>", Form::Expression, 0, std::nullopt},
        {"<argn1>", Form::Expression, 0, std::nullopt},
        {"<local.hue>", Form::Expression, 0, std::nullopt},
        {"<eval 99999999999*99999999999>", Form::Expression, 0, std::nullopt},
        {"abc", Form::Invalid, 0, std::nullopt},
        {"+x", Form::Invalid, 100, std::nullopt},
        {"", Form::Invalid, 0, std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        EXPECT_EQ(FieldValue::formOf(row.text), row.form);
        EXPECT_EQ(FieldValue::standIn(row.text, 100), row.standIn);
        EXPECT_EQ(FieldValue::evaluate(row.text), row.evaluated);
    }
}

TEST(FieldValue, DeepBracketsAreRefusedNotRecursedInto)
{
    const QString deep = QString(100000, u'(') + u'1' + QString(100000, u')');
    EXPECT_EQ(FieldValue::evaluate(deep), std::nullopt);
}

TEST(ScriptRecords, ComputedFieldsReadAsStandInsAlongTheOrigin)
{
    const QStringList lines = {
        "{BOP", "0",
        "script", "  dorigin 10 20",
        "gumppic", "*30", "+5", "1F4.bmp",           // origin moves to 40; y 25
        "gumppic", "-", "*10", "1F4.bmp",            // x 40, origin y 30
        "resizepic", "<eval 2*3>", "<argn1> //standin 40", "BB8.bmp", "<local.w>", "100",
        "script", "IF <src.isgm>",
        "text", "1", "2", "0", "plain",
        "script", "ENDIF",
        "}EOP",
    };
    const std::vector<ElementRecord> r = readAll(lines);
    ASSERT_EQ(r.size(), 7u);
    struct Row { ElementKind kind; int x, y, width; bool placed; QString entry; };
    const Row expected[] = {
        {ElementKind::Script, 0, 0, 0, false, "  dorigin 10 20"},
        {ElementKind::Gumppic, 40, 25, 0, true, "Gumppic at *30 +5 Useing 500"},
        {ElementKind::Gumppic, 40, 30, 0, true, "Gumppic at - *10 Useing 500"},
        {ElementKind::Resizepic, 6, 40, 0, true, "Resizepic at <eval 2*3> <argn1> Useing BB8"},
        {ElementKind::Script, 0, 0, 0, false, "IF <src.isgm>"},
        {ElementKind::Text, 1, 2, 0, false, "Text at 1 2 Saying plain"},
        {ElementKind::Script, 0, 0, 0, false, "ENDIF"},
    };
    for (std::size_t i = 0; i < r.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r[i].kind, expected[i].kind);
        EXPECT_EQ(r[i].x, expected[i].x);
        EXPECT_EQ(r[i].y, expected[i].y);
        EXPECT_EQ(r[i].placedByServer, expected[i].placed);
        EXPECT_EQ(r[i].selectEntry(), expected[i].entry);
    }
    EXPECT_EQ(r[3].height, 100);
}

TEST(ScriptRecords, ScriptLinesAreNeverTakenForStructureAndNeverDrawn)
{
    // A script line reading like a structure word stays the script record's field.
    const QStringList lines = {"{BOP", "0", "script", "}EOP", "script", "text", "}EOP"};
    RecordWalker w(lines);
    std::vector<RecordWalker::Item> items;
    while (w.next())
        items.push_back(w.item());
    EXPECT_EQ(items, (std::vector<RecordWalker::Item>{RecordWalker::Item::PageOpen, RecordWalker::Item::Element,
                                                      RecordWalker::Item::Element, RecordWalker::Item::PageClose}));
    EXPECT_FALSE(Records::allKinds().contains(ElementKind::Script));
    EXPECT_EQ(Records::shownWith(ElementKind::Script), Records::ShownWith::Nothing);
    EXPECT_TRUE(Records::numberFieldsOf(ElementKind::Script).isEmpty());
}

TEST(ScriptRecords, AFieldNeitherNumberNorComputedIsStillTheRecordsFault)
{
    const QStringList lines = {"{BOP", "0", "gumppic", "abc", "5", "1F4.bmp", "}EOP"};
    EXPECT_THROW(readAll(lines), RuntimeError);
}

TEST(ScriptNesting, BlocksBranchesAndFaults)
{
    struct Row { QStringList script; QList<int> depths; QStringList faults; };
    const Row rows[] = {
        {{"IF <a>", "x", "ELIF <b>", "y", "ELSE", "z", "ENDIF"}, {0, 1, 0, 1, 0, 1, 0}, {}},
        {{"for 5", "  if (<x>)", "x", "  endif", "endfor"}, {0, 1, 2, 1, 0}, {}},
        {{"FORCHARS 5", "WHILE <x>", "ENDWHILE", "ENDFOR"}, {0, 1, 1, 0}, {}},
        {{"DOSWITCH 2", "a", "b", "ENDDO", "DORAND 2", "ENDDO", "BEGIN", "END"}, {0, 1, 1, 0, 0, 0, 0, 0}, {}},
        {{"IF <a>", "x"}, {0, 1}, {"1: IF without ENDIF"}},
        {{"x", "ENDIF"}, {0, 0}, {"2: ENDIF without IF"}},
        {{"ELSE", "x"}, {0, 0}, {"1: ELSE without IF"}},
        {{"FOR 3", "IF <a>", "ENDFOR"}, {0, 1, 0}, {"2: IF without ENDIF"}},
        {{"IFX = 1", "ENDIFS"}, {0, 0}, {}}, // verbs that begin like a block word
        {{"IF<a>", "ENDIF"}, {0, 0}, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.script.join(" / ").toStdString());
        ScriptNesting n;
        QList<int> depths;
        for (int i = 0; i < row.script.size(); ++i) {
            // Lines without a block word stand for elements of the design.
            const QString &line = row.script[i];
            depths << (line.size() == 1 ? n.other(i) : n.statement(i, line)).depth;
        }
        n.finish();
        EXPECT_EQ(depths, row.depths);
        QStringList faults;
        for (const ScriptNesting::Fault &f : n.faults())
            faults << QString::number(f.line + 1) + ": " + f.message;
        EXPECT_EQ(faults, row.faults);
    }
}

TEST(ScriptNesting, EveryRecordOfADesignKnowsItsBranch)
{
    const QStringList lines = {
        "{BOP", "0", "script", "IF <a>", "text", "1", "2", "0", "yes", "script", "ELSE",
        "text", "1", "2", "0", "no", "script", "ENDIF", "}EOP",
    };
    const ScriptNesting n = ScriptNesting::ofDesign(lines);
    ASSERT_EQ(n.spans().size(), 1u);
    EXPECT_EQ(n.spans()[0].open, 2);
    EXPECT_EQ(n.spans()[0].close, 16);
    EXPECT_EQ(n.spans()[0].branches, QList<int>{9});
    EXPECT_EQ(n.placeOf(4), (ScriptNesting::Place{1, 0, 0}));
    EXPECT_EQ(n.placeOf(11), (ScriptNesting::Place{1, 0, 1}));
    EXPECT_EQ(n.placeOf(16), (ScriptNesting::Place{0, -1, 0}));
    EXPECT_TRUE(n.faults().empty());
}

TEST(DesignHead, WrittenOnlyWhenAnOlderVersionWouldMisreadAndDroppedOnRead)
{
    struct Row { QStringList lines; bool head; };
    const Row rows[] = {
        {{"{BOP", "0", "text", "1", "2", "0", "hi", "}EOP"}, false},
        {{"{BOP", "0", "script", "IF <a>", "}EOP"}, true},
        {{"{BOP", "0", "gumppic", "+5", "2", "1F4.bmp", "}EOP"}, true},
        {{"{BOP", "0", "gumppic", "<eval 5>", "2", "1F4.bmp", "}EOP"}, true},
        {{"{BOP", "0", "gumppic", " a<b", "2", "1F4.bmp", "}EOP"}, false}, // broken alike for every version
        {{"TEXTLINE", "3", "kept"}, true},
        {{"BUTTONBLOCK", "ON=1 9", "SRC.SYSMESSAGE hi"}, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.lines.join(" ").toStdString());
        const QByteArray bytes = Document::projectText(row.lines);
        EXPECT_EQ(bytes.startsWith(DesignHead::Line.toLatin1() + "\r\n"), row.head);
        EXPECT_EQ(Document::parseProjectText(bytes), row.lines);
    }
}
