#include "document/Document.h"
#include "document/ElementRecord.h"
#include "document/RecordWalker.h"
#include "platform/RuntimeError.h"
#include "support/ExampleDocuments.h"

#include <gtest/gtest.h>

namespace {

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

TEST(NewKindRecords, EveryKindWalksWholeAndReadsEachField)
{
    const QStringList lines = ExampleDocuments::everyNewKindDialog();
    const std::vector<ElementRecord> r = readAll(lines);
    ASSERT_EQ(r.size(), 10u);
    std::vector<ElementKind> kinds;
    for (const ElementRecord &e : r)
        kinds.push_back(e.kind);
    EXPECT_EQ(kinds, std::vector<ElementKind>(Records::allKinds().begin() + 4, Records::allKinds().end()));

    struct Row { int width, height, hue, id; QString text, file, entry; };
    const Row expected[] = {
        {200, 80, 0, 0, "Welcome <B>home</B>", "", "Htmlgump at 10 20 Saying Welcome ..."},
        {120, 20, 33, 0, "Cropped words", "", "Croppedtext at 10 110 Saying Cropped ..."},
        {150, 20, 0, 7, "Name", "", "Textentry at 10 140 Saying Name"},
        {0, 0, 0, 3, "", "check.bmp", "Checkbox at 10 170 Useing check"},
        {0, 0, 0, 4, "", "check.bmp", "Radio at 40 170 Useing check"},
        {64, 32, 0, 0, "", "1F4.bmp", "Gumppictiled at 0 0 Useing 1F4"},
        {0, 0, 1152, 0, "", "", "Tilepic at 200 10 Useing 3821"},
        {290, 190, 0, 0, "", "", "Checkertrans at 5 5 Sized 290 190"},
        {250, 40, 0, 0, "", "", "Xmfhtmlgump at 10 200 Saying cliloc 1011036"},
        {0, 0, 38, 0, "", "1F4.bmp", "Gumppichue at 70 30 Useing 1F4"},
    };
    for (size_t i = 0; i < r.size(); ++i) {
        SCOPED_TRACE(Records::wordOf(r[i].kind).toStdString());
        EXPECT_EQ(r[i].width, expected[i].width);
        EXPECT_EQ(r[i].height, expected[i].height);
        EXPECT_EQ(r[i].hueNumber, expected[i].hue);
        EXPECT_EQ(r[i].id, expected[i].id);
        EXPECT_EQ(r[i].text, expected[i].text);
        EXPECT_EQ(r[i].fileName, expected[i].file);
        EXPECT_EQ(r[i].selectEntry(), expected[i].entry);
    }
    EXPECT_TRUE(r[0].background);
    EXPECT_FALSE(r[0].scrollbar);
    EXPECT_EQ(r[2].limit, 12);
    EXPECT_TRUE(r[3].checked);
    EXPECT_FALSE(r[4].checked);
    EXPECT_EQ(r[4].group, 2);
    EXPECT_EQ(r[6].item, 3821);
    EXPECT_EQ(r[8].cliloc, 1011036);
    EXPECT_FALSE(r[8].background);
    EXPECT_TRUE(r[8].scrollbar);
    EXPECT_EQ(r[8].colour, 32767);
}

TEST(NewKindRecords, AStructureLineInAnyNumberFieldCutsTheRecordThere)
{
    // Each kind's fields after the word, and which of them hold numbers.
    for (const ElementKind kind : Records::allKinds()) {
        const int length = Records::lengthOf(kind);
        for (int k = 1; k < length; ++k) {
            QStringList lines{"{BOP", "0", Records::wordOf(kind)};
            for (int f = 1; f < length; ++f)
                lines << (f == k ? QStringLiteral("}EOP") : QStringLiteral("1"));
            lines << "}EOP";
            RecordWalker w(lines);
            w.next();
            w.next();
            SCOPED_TRACE(QStringLiteral("%1 field %2").arg(Records::wordOf(kind)).arg(k).toStdString());
            const bool isText = k == ElementRecord::textField(kind) || k == ElementRecord::artFileField(kind)
                                || (kind == ElementKind::Text && k == 3) || (kind == ElementKind::Button && k == 7);
            EXPECT_EQ(w.cutShort(), !isText);
            EXPECT_EQ(w.length(), isText ? length : k);
            if (!isText)
                EXPECT_THROW(ElementRecord::read(w), RuntimeError);
        }
    }
}

TEST(NewKindRecords, NumberFieldsThatAreNoNumbersMakeABadRecord)
{
    const QStringList good = ExampleDocuments::everyNewKindDialog();
    for (const int field : {5, 11, 20, 27, 33}) { // htmlgump flag, croppedtext hue, entry id, checked, radio id
        QStringList bad = good;
        bad[field] = "yes";
        EXPECT_THROW(readAll(bad), RuntimeError) << field;
    }
}

TEST(NewKindRecords, TheCloseBlockKeepsItsLineBreaksThroughAProjectFile)
{
    const QStringList lines = ExampleDocuments::everyNewKindDialog();
    const QByteArray stored = Document::projectText(lines);
    EXPECT_TRUE(stored.contains("CLOSEBLOCK\r\nSRC.SYSMESSAGE Bye\x1F" "DIALOGCLOSE\r\n"));
    const QStringList loaded = Document::parseProjectText(stored);
    EXPECT_EQ(loaded, lines);

    Document doc(loaded);
    EXPECT_EQ(doc.closeBlock(), ExampleDocuments::CloseEvents);
    doc.setCloseBlock("DIALOGCLOSE");
    EXPECT_EQ(doc.size(), lines.size());
    EXPECT_EQ(doc.closeBlock(), "DIALOGCLOSE");

    Document fresh(ExampleDocuments::onePageDialog());
    EXPECT_EQ(fresh.closeBlock(), QString());
    fresh.setCloseBlock("x");
    EXPECT_EQ(fresh.lines().mid(fresh.size() - 2), (QStringList{"CLOSEBLOCK", "x"}));
}
