#include "document/Document.h"
#include "support/ExampleDocuments.h"

#include <gtest/gtest.h>

namespace {
const QStringList gem{"gumppic", "5", "6", "A.bmp"};
}

TEST(DocumentPages, NewDocumentIsOneEmptyPage)
{
    Document doc;
    doc.reset("0");
    EXPECT_EQ(doc.lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_EQ(Document::newDocumentLines("3"), QStringList({"{BOP", "3", "}EOP"}));
    EXPECT_EQ(doc.lastLocationLine(), -1);
    EXPECT_EQ(doc.lastMiscLine(), -1);
}

TEST(DocumentPages, AppendToMissingPageAddsABracketAfterEverything)
{
    Document doc(ExampleDocuments::onePageDialog());
    doc.appendToPage("2", gem);
    QStringList expected = ExampleDocuments::onePageDialog();
    expected << "{BOP" << "2" << gem << "}EOP";
    EXPECT_EQ(doc.lines(), expected); // after the location and window flags records
}

TEST(DocumentPages, ANewPageAfterARecordCutOffAtTheEndStaysAPage)
{
    const QStringList cutOff{"{BOP", "0", "}EOP", "text", "1", "2", "95"};   // no text line
    Document appended(cutOff);
    appended.appendToPage("2", gem);
    Document ensured(cutOff);
    EXPECT_TRUE(ensured.ensurePage("2"));
    for (const Document *doc : {&appended, &ensured}) {
        EXPECT_EQ(doc->lines().mid(0, 8), cutOff + QStringList{""});
        EXPECT_TRUE(doc->hasPage("2"));
        EXPECT_EQ(doc->pageEnds("2"), QList<int>{int(doc->lines().size()) - 1});
    }
}

TEST(DocumentPages, AppendGoesBeforeThatPagesCloseEvenWithLaterPages)
{
    Document doc(QStringList{"{BOP", "0", "}EOP", "{BOP", "1", "}EOP", "{BOP", "10", "}EOP"});
    doc.appendToPage("1", gem);
    EXPECT_EQ(doc.lines(), QStringList({"{BOP", "0", "}EOP", "{BOP", "1", "gumppic", "5", "6", "A.bmp", "}EOP",
                                        "{BOP", "10", "}EOP"}));
    EXPECT_EQ(doc.pageEnds("1"), QList<int>{9});
    EXPECT_EQ(doc.pageStarts("10"), QList<int>{12});
    EXPECT_EQ(doc.pageOfLine(6), "1");
    EXPECT_EQ(doc.pageOfLine(9), "1");
    EXPECT_EQ(doc.pageOfLine(11), "10");
}

TEST(DocumentPages, PageNumbersAreComparedAsText)
{
    Document doc(QStringList{"{BOP", "01", "}EOP"});
    EXPECT_FALSE(doc.hasPage("1"));
    EXPECT_TRUE(doc.ensurePage("1"));
    EXPECT_FALSE(doc.ensurePage("1"));
    EXPECT_EQ(doc.lines(), QStringList({"{BOP", "01", "}EOP", "{BOP", "1", "}EOP"}));
}

TEST(DocumentPages, HandMadeDuplicateBracketsBothReceiveTheElement)
{
    Document doc(QStringList{"{BOP", "0", "}EOP", "{BOP", "0", "}EOP"});
    doc.appendToPage("0", {"text", "1", "2", "0", "x"});
    EXPECT_EQ(doc.lines(), QStringList({"{BOP", "0", "text", "1", "2", "0", "x", "}EOP",
                                        "{BOP", "0", "text", "1", "2", "0", "x", "}EOP"}));
}

TEST(DocumentPages, KeywordTextsDoNotMoveTheInsertionPoint)
{
    // Texts reading "}EOP", "{BOP" and "LOCATION" are fields, not structure.
    Document doc(QStringList{"{BOP", "0", "text", "0", "0", "0", "}EOP", "text", "0", "0", "0", "{BOP",
                             "}EOP", "{BOP", "1", "text", "0", "0", "0", "LOCATION", "}EOP"});
    EXPECT_EQ(doc.pageEnds("0"), QList<int>{12});
    EXPECT_EQ(doc.pageEnds("1"), QList<int>{20});
    EXPECT_EQ(doc.lastLocationLine(), -1);
    doc.appendToPage("0", gem);
    EXPECT_EQ(doc.line(12), "gumppic");
    EXPECT_EQ(doc.line(16), "}EOP");
    EXPECT_EQ(doc.pageOfLine(11), "0");
}

TEST(DocumentRecords, FieldsAndRecordLengths)
{
    const Document doc(ExampleDocuments::onePageDialog());
    EXPECT_EQ(doc.kindAt(17), ElementKind::Button);
    EXPECT_EQ(doc.recordLengthAt(2), 6);
    EXPECT_EQ(doc.recordLengthAt(12), 5);
    EXPECT_EQ(doc.recordLengthAt(0), 0);
    EXPECT_EQ(doc.recordAt(8), QStringList({"gumppic", "20", "30", "1F4.bmp"}));
    EXPECT_EQ(doc.line(17 + 7), ExampleDocuments::OkayEvents);
    EXPECT_EQ(doc.line(-1), QString());
    EXPECT_EQ(doc.line(99), QString());
}

TEST(DocumentRecords, LastLocationAndMiscRecordsWin)
{
    Document doc(ExampleDocuments::onePageDialog());
    EXPECT_EQ(doc.lastLocationLine(), 26);
    EXPECT_EQ(doc.lastMiscLine(), 29);
    doc.replaceLines(doc.size(), 0, {"LOCATION", "7", "8"});
    EXPECT_EQ(doc.lastLocationLine(), 32);
    doc.setLocation("70", "80");
    EXPECT_EQ(doc.line(27), "50");
    EXPECT_EQ(doc.line(33), "70");
    EXPECT_EQ(doc.line(34), "80");
    doc.setWindowFlags(true, false);
    EXPECT_EQ(doc.line(30), "1");
    EXPECT_EQ(doc.line(31), "0");
    EXPECT_EQ(doc.size(), 35);
}

TEST(DocumentRecords, LocationAndFlagsAppendWhenMissingAndMendCutOffRecords)
{
    Document doc(Document::newDocumentLines("0"));
    doc.setWindowFlags(false, true);
    doc.setLocation("10", "20");
    EXPECT_EQ(doc.lines(), QStringList({"{BOP", "0", "}EOP", "MISC", "0", "1", "LOCATION", "10", "20"}));
    EXPECT_EQ(doc.lastLocationLine(), 6);
    EXPECT_EQ(doc.lastMiscLine(), 3);

    Document cut(QStringList{"{BOP", "0", "}EOP", "LOCATION", "5"});
    cut.setLocation("1", "2");
    EXPECT_EQ(cut.lines(), QStringList({"{BOP", "0", "}EOP", "LOCATION", "1", "2"}));
}
