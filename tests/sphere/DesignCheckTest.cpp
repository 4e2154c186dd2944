#include "document/ControlCommands.h"
#include "platform/SphereLine.h"
#include "sphere/ArtCatalog.h"
#include "sphere/DesignCheck.h"
#include "support/SyntheticArt.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Severity = DesignProblem::Severity;

// A small art library: one picture, one button with its decoder, one
// background with its nine pieces, and decoders that are damaged.
class ArtLibrary
{
public:
    ArtLibrary()
    {
        using namespace SyntheticArt;
        const QString root = dir.path();
        writeFile(root, "DATA/1F4.bmp", bmpBytes(solid(40, 30, qRgb(200, 0, 0))));
        writeFile(root, "DATA/BUTTONS/okay.bmp", bmpBytes(solid(20, 10, qRgb(0, 200, 0))));
        writeFile(root, "DATA/BUTTONS/okay.cs", "F7\r\nF8\r\n");
        writeFile(root, "DATA/BUTTONS/short.bmp", bmpBytes(solid(20, 10, qRgb(0, 200, 0))));
        writeFile(root, "DATA/BUTTONS/short.cs", "F7\r\n");
        writeFile(root, "DATA/BUTTONS/bad.bmp", bmpBytes(solid(20, 10, qRgb(0, 200, 0))));
        writeFile(root, "DATA/BUTTONS/bad.CS", "F7\r\nGG\r\n");
        writeFile(root, "DATA/BUTTONS/nopic.cs", "F7\r\nF8\r\n");
        for (int k = 0; k < 9; ++k)
            writeFile(root, QStringLiteral("DATA/resizepic/") + QString::number(k) + "9200.bm", bmpBytes(solid(4, 4, qRgb(1, 2, 3))));
    }

    QTemporaryDir dir;
};

QStringList gumppic(const QString &x, const QString &y, const QString &name = "1F4.bmp")
{
    return {"gumppic", x, y, name};
}
QStringList text(const QString &x, const QString &y, const QString &value, const QString &hue = "1152")
{
    return {"text", x, y, hue, value};
}
QStringList button(const QString &x, const QString &y, const QString &close, const QString &page,
                   const QString &events = "dialogclose", const QString &art = "okay.bmp")
{
    return {"button", x, y, art, close, page, events.isEmpty() ? "0" : "1", events};
}

// Page 0 with a background, then the records given, placed at 50, 50; kind
// words of the given records stand from line 9 on.
QStringList design(const QList<QStringList> &records)
{
    QStringList lines = {"{BOP", "0", "resizepic", "0", "0", "9200.bmp", "300", "200"};
    for (const QStringList &r : records)
        lines << r;
    lines << "}EOP" << "LOCATION" << "50" << "50";
    return lines;
}

struct Expected {
    int line;
    Severity severity;
    const char *says; // a part of the message
};

struct RuleCase {
    const char *rule;
    QStringList lines;
    QList<Expected> expected;
};

QList<RuleCase> ruleCases()
{
    const QStringList twoPages = design({button("10", "10", "0", "2", "")})
                                 << "{BOP" << "2" << "}EOP" << "{BOP" << "3" << "}EOP";
    QStringList manyTexts;
    for (int i = 0; i < 256; ++i)
        manyTexts << text(QString::number(i), "5", "t");
    QStringList manyReplies;
    for (int i = 0; i < 256; ++i)
        manyReplies << button(QString::number(i), "5", "1", "0", "x");
    return {
        {"clean design", design({gumppic("20", "30"), text("40", "50", "Hello"), button("100", "150", "1", "0"),
                                 button("120", "150", "0", "1", "")}) << "{BOP" << "1" << "}EOP",
         {}},
        {"empty text", design({text("1", "2", "")}), {}},
        {"blank text", design({text("1", "2", "   ")}), {{9, Severity::Warning, "only blanks"}}},
        {"text cut at //", design({text("1", "2", "and/or // both")}), {{9, Severity::Warning, "cuts"}}},
        {"text that is all comment", design({text("1", "2", "//x")}), {{9, Severity::Warning, "reads it as empty"}}},
        {"event cut at //", design({button("1", "2", "1", "0", "SRC.SYSMESSAGE http://x\r\ndialogclose")}),
         {{9, Severity::Information, "holds \"//\" after \":\""}}},
        {"event comment after a blank is meant", design({button("1", "2", "1", "0", "dialogclose // done\r\n// note")}),
         {}},
        {"text with trailing blanks", design({text("1", "2", " Hi ")}), {{9, Severity::Warning, "trims"}}},
        {"text with a bar", design({text("1", "2", "a|b")}), {{9, Severity::Warning, "warns against"}}},
        {"text with a colon", design({text("1", "2", "Name:")}), {{9, Severity::Warning, "warns against"}}},
        {"leading zero", design({gumppic("010", "30")}), {{9, Severity::Warning, "(16); the export writes 10"}}},
        {"leading zero of the same value", design({gumppic("07", "30")}), {}},
        {"not a number", design({text("1", "2", "x", "red"), gumppic("0x10", "3")}),
         {{9, Severity::Warning, "hue \"red\" is not a number"}, {14, Severity::Warning, "X \"0x10\" is not a"}}},
        {"location not a number", {"{BOP", "0", "}EOP", "LOCATION", "fifty", "50"},
         {{4, Severity::Warning, "location: X \"fifty\""}}},
        {"picture name not hex", design({gumppic("1", "2", "logo.bmp")}),
         {{9, Severity::Error, "not a hexadecimal gump number"}, {9, Severity::Warning, "picture logo is missing"}}},
        {"missing picture", design({gumppic("1", "2", "ABC.bmp")}),
         {{9, Severity::Warning, "picture ABC is missing from the art library; the canvas draws a placeholder"}}},
        {"missing decoder", design({button("1", "2", "1", "0", "x", "gone.bmp")}),
         {{9, Severity::Error, "gone.CS is missing"}, {9, Severity::Warning, "picture gone is missing"}}},
        {"short decoder", design({button("1", "2", "1", "0", "x", "short.bmp")}),
         {{9, Severity::Error, "fewer than two lines"}}},
        {"decoder not hex", design({button("1", "2", "1", "0", "x", "bad.bmp")}), {{9, Severity::Error, "\"GG\""}}},
        {"button art missing", design({button("1", "2", "1", "0", "x", "nopic.bmp")}),
         {{9, Severity::Warning, "picture nopic is missing from the art library"}}},
        {"kept gump pair the library lacks", design({button("1", "2", "1", "0", "x", "gump 4005 4007.bmp")}),
         {{9, Severity::Warning, "button gumps 4005 and 4007 are not in the art library; the canvas draws a placeholder"}}},
        {"kept gump pair drawn from a picture", design({button("1", "2", "1", "0", "x", "gump 500 501.bmp")}), {}},
        {"background pieces missing", {"{BOP", "0", "resizepic", "0", "0", "9300.bmp", "10", "10", "}EOP"},
         {{3, Severity::Warning, "nine pieces"}}},
        {"page button to no page", design({button("1", "2", "0", "4", "")}), {{9, Severity::Warning, "page 4"}}},
        {"pages no button reaches", twoPages, {{24, Severity::Warning, "no button switches to page 3"}}},
        {"page button with events", design({button("1", "2", "0", "0", "x")}), {{9, Severity::Warning, "never run"}}},
        {"negative position", design({text("-5", "2", "a")}), {{9, Severity::Warning, "negative"}}},
        {"past the screen", design({gumppic("740", "30")}), {{9, Severity::Warning, "830, 110"}}},
        {"same position", design({text("1", "2", "a"), text("1", "2", "b"), button("1", "2", "1", "0", "")}),
         {{14, Severity::Warning, "like the text on line 9"}}},
        {"too many texts", design({manyTexts}), {{9 + 255 * 5, Severity::Warning, "text number 255"}}},
        {"too many replies", design({manyReplies}), {{9 + 255 * 8, Severity::Warning, "reply number 256"}}},
        {"text past the line buffer", design({text("1", "2", QString(5000, u'a'))}),
         {{9, Severity::Error, "5000 bytes"}}},
        {"record cut short", {"{BOP", "0", "button", "1", "2"}, {{3, Severity::Warning, "cut short"}}},
    };
}

TEST(DesignCheckTest, EachRuleNamesItsProblemOnTheKindWordLine)
{
    ArtLibrary art;
    ASSERT_TRUE(art.dir.isValid());
    for (const RuleCase &c : ruleCases()) {
        ArtCatalog catalog(art.dir.path() + "/");
        const QList<DesignProblem> problems = DesignCheck::run(c.lines, &catalog);
        QString all;
        for (const DesignProblem &p : problems)
            all += DesignCheck::compilerLine("d", p) + "\n";
        ASSERT_EQ(problems.size(), c.expected.size()) << c.rule << "\n" << all.toStdString();
        for (qsizetype i = 0; i < problems.size(); ++i) {
            EXPECT_EQ(problems[i].line, c.expected[i].line) << c.rule;
            EXPECT_EQ(problems[i].severity, c.expected[i].severity) << c.rule;
            EXPECT_TRUE(problems[i].message.contains(QString::fromUtf8(c.expected[i].says)))
                << c.rule << ": " << problems[i].message.toStdString();
        }
        EXPECT_EQ(DesignCheck::hasErrors(problems),
                  std::any_of(c.expected.begin(), c.expected.end(),
                              [](const Expected &e) { return e.severity == Severity::Error; }))
            << c.rule;
    }
}

TEST(DesignCheckTest, WithoutArtOnlyTheLinesAreChecked)
{
    const QStringList lines = design({gumppic("1", "2", "ABC.bmp"), button("1", "2", "1", "0", "x", "gone.bmp")});
    EXPECT_TRUE(DesignCheck::run(lines).isEmpty());
}

TEST(DesignCheckTest, CatalogSeesArtAddedToTheLibraryAfterForgetting)
{
    ArtLibrary art;
    ArtCatalog catalog(art.dir.path() + "/");
    const QStringList lines = design({gumppic("1", "2", "ABC.bmp")});
    ASSERT_EQ(DesignCheck::run(lines, &catalog).size(), 1);
    SyntheticArt::writeFile(art.dir.path(), "DATA/abc.BMP", SyntheticArt::bmpBytes(SyntheticArt::solid(4, 4, 0)));
    catalog.forget();
    EXPECT_TRUE(DesignCheck::run(lines, &catalog).isEmpty());
}

TEST(DesignCheckTest, SphereReadingOfLinesAndLeadingZeros)
{
    const struct {
        const char *text, *plain;
    } zeros[] = {{"010", "10"}, {"-007", "-7"}, {"000", "0"}, {"0", "0"}, {"10", "10"}, {"0x10", "0x10"},
                 {"01a", "01a"}, {"", ""}, {"-", "-"}, {"+5", "5"}, {"+007", "7"}, {"+", "+"}, {"+-5", "+-5"}};
    for (const auto &z : zeros)
        EXPECT_EQ(SphereLine::withoutLeadingZeros(z.text), QString(z.plain)) << z.text;

    EXPECT_TRUE(SphereLine::readsAsBlank(u"  // note"));
    EXPECT_TRUE(SphereLine::readsAsBlank(u"\t "));
    EXPECT_FALSE(SphereLine::readsAsBlank(u" a // note"));
    EXPECT_EQ(SphereLine::keptPart(u"  a b  // c").toString(), QStringLiteral("  a b"));
}

} // namespace

TEST(DesignCheckTest, TrapsOfTheNewerKinds)
{
    const QStringList htmlWithAddress{"htmlgump", "0", "0", "100", "40", "0", "0", "see http://x.org"};
    const QStringList narrow{"croppedtext", "0", "0", "4", "20", "0", "cut"};
    const QStringList entry{"textentry", "0", "0", "100", "20", "0", "7", "0", "Name"};
    const QStringList box{"checkbox", "0", "0", "okay.bmp", "0", "3"};
    const QStringList radio{"radio", "0", "0", "okay.bmp", "0", "4", "2"};
    const QStringList checkedRadio{"radio", "0", "0", "okay.bmp", "1", "5", "2"};
    const QStringList tile{"tilepic", "0", "0", "3821", "0"};
    const QStringList html{"htmlgump", "0", "0", "100", "40", "0", "0", "plain"};
    const auto page = [](const QList<QStringList> &records) {
        QStringList lines{"{BOP", "0"};
        for (const QStringList &r : records)
            lines += r;
        return lines << "}EOP";
    };
    const struct {
        QStringList lines;
        QString dialect;
        QStringList messages;
    } cases[] = {
        {page({htmlWithAddress}), "55i - 99g",
         {"htmlgump: the text holds \"//\", where the server cuts it"}},
        {page({narrow}), "55i - 99g",
         {"croppedtext: the box is 4 pixels wide, too narrow for one character; some clients draw nothing"}},
        {page({entry, entry}), "55i - 99g",
         {"textentry: entry id 7 is also that of line 3; the server cannot tell them apart"}},
        {page({box, QStringList(box).replaceInStrings("okay", "ok2")}), "55i - 99g",
         {"checkbox: switch id 3 is also that of line 3; the server cannot tell them apart"}},
        {page({radio}), "55i - 99g", {"radio: no radio of group 2 is checked, so the client may send none"}},
        {page({radio, checkedRadio, tile, entry, box}), "55i - 99g", {}},
        {page({html, tile}), "48e - 51a", {"htmlgump: dialect 48e - 51a has no htmlgump; the export leaves it out"}},
    };
    for (const auto &c : cases) {
        QStringList messages;
        for (const DesignProblem &p : DesignCheck::run(c.lines, nullptr, c.dialect))
            messages << p.message;
        EXPECT_EQ(messages, c.messages) << c.lines.join(u' ').toStdString();
    }
}

// A number field no other rule reads is named as the property panel names it.
TEST(DesignCheckTest, OtherNumbersAreNamedByWhatTheyHold)
{
    const struct {
        ElementKind kind;
        int field;
        const char *message;
    } cases[] = {
        {ElementKind::Htmlgump, 5, "htmlgump: background flag \"x\" is not a number"},
        {ElementKind::Htmlgump, 6, "htmlgump: scrollbar flag \"x\" is not a number"},
        {ElementKind::Croppedtext, 5, "croppedtext: hue \"x\" is not a number"},
        {ElementKind::Textentry, 7, "textentry: character limit \"x\" is not a number"},
        {ElementKind::Checkbox, 4, "checkbox: checked flag \"x\" is not a number"},
        {ElementKind::Tilepic, 3, "tilepic: item \"x\" is not a number"},
        {ElementKind::Xmfhtmlgump, 5, "xmfhtmlgump: cliloc \"x\" is not a number"},
        {ElementKind::Xmfhtmlgump, 8, "xmfhtmlgump: colour \"x\" is not a number"},
        {ElementKind::Gumppichue, 4, "gumppichue: hue \"x\" is not a number"},
    };
    for (const auto &c : cases) {
        QStringList record = ControlCommands::newRecord(c.kind, QStringLiteral("10"), QStringLiteral("10"));
        record[c.field] = QStringLiteral("x");
        QStringList messages;
        for (const DesignProblem &p : DesignCheck::run(QStringList{"{BOP", "0"} + record + QStringList{"}EOP"}))
            messages << p.message;
        EXPECT_TRUE(messages.contains(QString::fromUtf8(c.message))) << messages.join(u'|').toStdString();
    }
}

// The server's traps in every kind's text and in event lines.
TEST(DesignCheckTest, ServerTrapsOfTextsAndEventLines)
{
    const auto one = [](const QStringList &record) { return QStringList{"{BOP", "0"} + record + QStringList{"}EOP"}; };
    const struct {
        QStringList lines;
        QString dialect;
        QList<std::pair<Severity, QString>> expected;
    } cases[] = {
        {one({"croppedtext", "0", "0", "90", "20", "0", "a // b"}), "55i - 99g",
         {{Severity::Warning, "croppedtext: the text holds \"//\", where the server cuts it"}}},
        {one({"textentry", "0", "0", "90", "20", "0", "1", "0", "name\t"}), "55i - 99g",
         {{Severity::Warning, "textentry: the text \"name\t\" ends in blanks or tabs, which the server trims"}}},
        {one({"text", "0", "0", "0", "[ATTENTION]"}), "55i - 99g", {}},
        {one({"text", "0", "0", "0", "[ATTENTION]"}), "48e - 51a",
         {{Severity::Error, "text: the text begins with \"[\", which ends the TEXT section, and dialect 48e - 51a "
                            "has no inline text; the export stops there"}}},
        {one({"htmlgump", "0", "0", "90", "20", "0", "0", " [x"}), "55i - 99g",
         {{Severity::Warning, "htmlgump: the text begins with \"[\" and goes inline, where the server drops the "
                              "blanks before it"}}},
        {one({"text", "0", "0", "0", "Hi <src.name>"}), "55i - 99g",
         {{Severity::Information, "text: the server evaluates <…> in the text for each player; the canvas shows "
                                  "it as written"}}},
        {one({"text", "0", "0", "0", QStringLiteral("voil\u00e0")}), "55i - 99g",
         {{Severity::Warning, QStringLiteral("text: the text ends in \"\u00e0\", whose last byte the server takes "
                                             "for a blank and trims, so the letter arrives broken")}}},
        {one({"button", "0", "0", "okay.bmp", "1", "0", "1", "x\r\n[EOF]"}), "55i - 99g",
         {{Severity::Error, "button: the event line \"[EOF]\" ends the script file for the server; every later "
                            "handler and dialog of the file is lost; the export stops there"}}},
        {one({"button", "0", "0", "okay.bmp", "1", "0", "1", "onbutton=2"}), "55i - 99g",
         {{Severity::Error, "button: the event line \"onbutton=2\" is a button marker to the server, which hands "
                            "the rest of the block to other replies; the export stops there"}}},
        {one({"button", "0", "0", "okay.bmp", "1", "0", "1 4", "a", "button", "9", "9", "okay.bmp", "1", "0", "1 4",
              "b"}),
         "55i - 99g",
         {{Severity::Warning, "button: reply 4 is also that of line 11, whose events the server may run for both"},
          {Severity::Warning, "button: reply 4 is also that of line 3, whose events the server runs for both"}}},
        {QStringList{"{BOP", "-1", "}EOP"}, "55i - 99g",
         {{Severity::Warning, "page: the server drops page -1, and its elements land on the page before"}}},
    };
    for (const auto &c : cases) {
        QList<std::pair<Severity, QString>> found;
        for (const DesignProblem &p : DesignCheck::run(c.lines, nullptr, c.dialect))
            found.append({p.severity, p.message});
        EXPECT_EQ(found, c.expected) << c.lines.join(u' ').toStdString();
    }
}

// Everything the "48e - 51a" export leaves out or writes otherwise is named;
// the same design in "55i - 99g" passes.
TEST(DesignCheckTest, TheOlderDialectNamesWhatItCannotExpress)
{
    const auto design = [](const QStringList &records, const QStringList &tail = {}) {
        return QStringList{"{BOP", "0"} + records + QStringList{"}EOP"} + tail;
    };
    const struct {
        QStringList lines;
        QStringList messages;
    } cases[] = {
        {design({}, {"MISC", "0", "1"}),
         {"window flags: dialect 48e - 51a has no Can Not Move (nomove); the export leaves it out"}},
        {design({}, {"MISC", "1", "1"}),
         {"window flags: dialect 48e - 51a has no Can Not Close (noclose); the export leaves it out",
          "window flags: dialect 48e - 51a has no Can Not Move (nomove); the export leaves it out"}},
        {design({"textentry", "0", "0", "100", "20", "0", "7", "12", "Name"}),
         {"textentry: dialect 48e - 51a has no character limit (textentrylimited); the export leaves the limit of "
          "12 out"}},
        {design({"textentry", "0", "0", "100", "20", "0", "7", "0", ""}),
         {"textentry: the text is blank, so the export writes the inline form dtextentry, which dialect 48e - 51a "
          "does not have"}},
        {design({"croppedtext", "0", "0", "100", "20", "0", ""}),
         {"croppedtext: the text is blank, so the export writes the inline form dcroppedtext, which dialect "
          "48e - 51a does not have"}},
        {design({"tilepic", "0", "0", "3821", "33"}),
         {"tilepic: dialect 48e - 51a has no hue for tilepic (tilepichue); the export leaves hue 33 out"}},
        {design({"tilepic", "0", "0", "3821", "0"}, {"MISC", "0", "0"}), {}},
    };
    for (const auto &c : cases) {
        QStringList messages, recent;
        for (const DesignProblem &p : DesignCheck::run(c.lines, nullptr, QStringLiteral("48e - 51a")))
            messages << p.message;
        EXPECT_EQ(messages, c.messages) << c.lines.join(u' ').toStdString();
        for (const DesignProblem &p : DesignCheck::run(c.lines, nullptr, QStringLiteral("55i - 99g")))
            if (p.message.contains(u"48e"))
                recent << p.message;
        EXPECT_TRUE(recent.isEmpty()) << c.lines.join(u' ').toStdString();
    }
}

// Each entry names the field of its element it is about, by the names the
// server judge pairs with what differs; advice names none.
TEST(DesignCheckTest, EachEntryNamesItsField)
{
    const auto one = [](const QStringList &record) { return QStringList{"{BOP", "0"} + record + QStringList{"}EOP"}; };
    const struct {
        const char *rule;
        QStringList lines;
        QList<std::pair<int, QString>> expected;   // line, field
    } cases[] = {
        {"leading zero of a place", one({"gumppic", "010", "5", "1F4.bmp"}), {{3, "place"}}},
        {"hue of a text", one({"text", "1", "2", "0480", "a"}), {{3, "hue"}}},
        {"not a number misleads the whole line", one({"text", "1", "2", "red", "a"}), {{3, "element"}}},
        {"text cut at //", one({"text", "1", "2", "0", "a // b"}), {{3, "text"}}},
        {"expression in a text", one({"text", "1", "2", "0", "<src.name>"}), {{3, "text"}}},
        {"NUL in a text", one({"croppedtext", "1", "2", "90", "20", "0", QStringLiteral("a%1b").arg(QChar(0))}),
         {{3, "text"}}},
        {"NUL in event lines", one({"button", "1", "2", "okay.bmp", "1", "0", "1", QStringLiteral("say %1").arg(QChar(0))}),
         {{3, "events"}}},
        {"line break in a text", one({"text", "1", "2", "0", "a\r\nb"}), {{3, "text"}}},
        {"line break in a hue", one({"croppedtext", "1", "2", "90", "20", "3\n3", "a"}), {{3, "hue"}}},
        {"event line ends the section", one({"button", "1", "2", "okay.bmp", "1", "0", "1", "[x]"}), {{3, "events"}}},
        {"event line cut inside a word", one({"button", "1", "2", "okay.bmp", "1", "0", "1", "a//b"}), {{3, "events"}}},
        {"page dropped", QStringList{"{BOP", "-1", "}EOP"}, {{1, "page"}}},
        {"location", QStringList{"{BOP", "0", "}EOP", "LOCATION", "010", "5"}, {{4, "place"}}},
        {"background flag", one({"htmlgump", "1", "2", "90", "20", "010", "0", "a"}), {{3, "background"}}},
        {"colour", one({"xmfhtmlgump", "1", "2", "90", "20", "1", "0", "0", "010"}), {{3, "colour"}}},
        {"group", one({"radio", "1", "2", "okay.bmp", "1", "5", "012"}), {{3, "group"}}},
        {"entry id", one({"textentry", "1", "2", "90", "20", "0", "010", "0", "a"}), {{3, "entry id"}}},
        {"width", one({"checkertrans", "1", "2", "010", "20"}), {{3, "width"}}},
        {"picture name", one({"gumppic", "1", "2", "logo.bmp"}), {{3, "art"}}},
        {"kind the dialect lacks", one({"htmlgump", "1", "2", "90", "20", "0", "0", "a"}), {}},
        {"record cut short", QStringList{"{BOP", "0", "button", "1", "2"}, {{3, "element"}}},
        {"ten digits the server reads", one({"text", "1", "2", "2147483647", "a"}), {}},
        {"ten digits below zero", one({"text", "1", "2", "-2147483647", "a"}), {}},
        {"past 32 bits", one({"gumppic", "2147483648", "5", "1F4.bmp"}), {{3, "place"}}},
        // The server writes variables in hexadecimal; controls passing a field on leave the client to misread it.
        // A text kind with such a field goes inline, where the server reads it.
        {"variable in a text's place", one({"text", "<local.x>", "+2", "<eval <var.hue>>", "a"}), {}},
        {"variable inside arithmetic", one({"croppedtext", "1", "2", "90", "20", "<local.h>+1", "a"}), {}},
        {"variable read by the server", one({"gumppichue", "<local.x>", "<tag.y>", "1F4.bmp", "<local.hue>"}),
         {{3, "hue"}}},
        {"variable in an inline text's place", one({"text", "<local.x>", "2", "0", ""}), {}},
        // Every entry's text goes back with each press; past what the server reads, it drops the player.
        {"entries past the reply the server reads",
         one(QStringList{"textentry", "1", "2", "90", "20", "0", "7", "0", QString(3000, u'x')}
             + QStringList{"textentry", "1", "2", "90", "20", "0", "8", "0", QString(3000, u'y')}
             + QStringList{"textentry", "1", "2", "90", "20", "0", "9", "0", QString(3000, u'z')}),
         {{21, "text"}}},
        {"a long entry inside a loop",
         one({"script", "FOR 3", "textentry", "1", "2", "90", "20", "0", "7", "0", QString(1000, u'x'), "script",
              "ENDFOR", "textentry", "1", "2", "90", "20", "0", "8", "0", QString(900, u'x')}),
         {{5, "text"}}},
        {"off the screen is advice", one({"gumppic", "900", "5", "1F4.bmp"}), {{3, ""}}},
        {"overlap is advice", one({"text", "1", "2", "0", "a", "text", "1", "2", "0", "b"}), {{8, ""}}},
        {"shared reply", one({"button", "0", "0", "okay.bmp", "1", "0", "1 4", "a", "button", "9", "9", "okay.bmp", "1",
                              "0", "1 4", "b"}),
         {{3, "events"}, {11, "events"}}},
    };
    for (const auto &c : cases) {
        QList<std::pair<int, QString>> found;
        for (const DesignProblem &p : DesignCheck::run(c.lines))
            found.append({p.line, p.field});
        EXPECT_EQ(found, c.expected) << c.rule;
    }
    // The dialect that lacks a kind names the whole element.
    const QList<DesignProblem> old =
        DesignCheck::run(one({"htmlgump", "1", "2", "90", "20", "0", "0", "a"}), nullptr, QStringLiteral("48e - 51a"));
    ASSERT_EQ(old.size(), 1);
    EXPECT_EQ(old[0].field, QStringLiteral("element"));
    // It has no inline text either: the text passes a place the server computes on as written.
    QStringList passed;
    for (const DesignProblem &p : DesignCheck::run(one({"text", "<local.x>", "+2", "0", "a"}), nullptr,
                                                   QStringLiteral("48e - 51a")))
        passed << p.field;
    EXPECT_EQ(passed, QStringList({"place", "place"}));
}

// A "//" after a blank starts a comment in an event line, as the script's
// author meant; after another character it cuts what the line says. A word
// that begins with "on" ends the block.
TEST(DesignCheckTest, CommentsInEventLines)
{
    const struct {
        const char *events;
        QList<Severity> expected;
    } cases[] = {
        {"dialogclose // done", {}},
        {"// all of it", {}},
        {"\t// after a tab", {}},
        {"x //", {}},
        {"src.sysmessage http://example.org", {Severity::Information}},
        {"a//b", {Severity::Information}},
        {"say x\r\nsay a//b // and a comment", {Severity::Information}},
        {"plain line", {}},
        {"once", {Severity::Warning}},
        {"ONX=1", {Severity::Error}},
        {"onx 5 6", {Severity::Error}},
        {"oname=x", {}},
        {"  on", {Severity::Warning}},
    };
    for (const auto &c : cases) {
        for (const QStringList &lines :
             {QStringList{"{BOP", "0", "button", "1", "2", "okay.bmp", "1", "0", "1", c.events, "}EOP"},
              QStringList{"{BOP", "0", "}EOP", "CLOSEBLOCK", c.events}}) {
            QList<Severity> found;
            for (const DesignProblem &p : DesignCheck::run(lines)) {
                found << p.severity;
                EXPECT_EQ(p.field, QStringLiteral("events")) << c.events;
            }
            EXPECT_EQ(found, c.expected) << c.events;
        }
    }
}
