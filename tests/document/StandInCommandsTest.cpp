// The stand-in the Modify panel sets beside a field the server computes:
// one undo step, kept after the expression, never exported, and the field's
// own edits leave it in place.
#include "document/ControlCommands.h"
#include "document/DocumentSession.h"
#include "document/ElementRecord.h"
#include "document/FieldValue.h"
#include "document/RecordWalker.h"
#include "document/SelectionCommands.h"
#include "document/StandInCommands.h"
#include "document/StoredStandIn.h"
#include "sphere/SphereDialect.h"
#include "sphere/SphereExport.h"

#include <gtest/gtest.h>

namespace {

using SelectionCommands::Field;

// A background (line 2), a text (line 8) and a newer kind with a box (line 13).
QStringList design(const QString &x, const QString &width = QStringLiteral("300"))
{
    return {"{BOP", "0",
            "resizepic", x, "5", "9200.bmp", width, "200",
            "text", x, "50", "1152", "Hello",
            "checkertrans", x, "<argn2>", "40", "40",
            "}EOP"};
}

struct Session : DocumentSession
{
    explicit Session(const QStringList &lines, int selected)
    {
        state.DATA = Document(lines);
        state.SelectedLine = selected;
        state.Selection = {selected};
    }
    QString line(int k) const { return state.DATA.line(k); }
};

} // namespace

TEST(StandInCommands, ShownOnlyBesideAnExpressionTheDesignerCannotCompute)
{
    struct Row { const char *x; Field field; int selected; bool shown; bool settable; QString text; };
    const Row rows[] = {
        {"20", Field::X, 2, false, false, ""},                        // a number
        {"+20", Field::X, 2, false, false, ""},                       // from the origin: the designer places it
        {"<argn1>", Field::X, 2, true, true, ""},
        {"<argn1> //standin 40", Field::X, 2, true, true, "40"},
        {"<eval 30+20>", Field::X, 2, true, false, "50"},             // computed here, nothing to set
        {"<eval 30+20> //standin 7", Field::X, 2, true, false, "50"},
        {"<argn1>", Field::Width, 8, false, false, ""},               // a text has no width
        {"<argn1>", Field::X, 0, false, false, ""},                   // nothing selected
        {"<argn1>", Field::Y, 13, true, true, ""},                    // a newer kind's Y
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.x) + " field " + std::to_string(int(row.field)) + " at "
                     + std::to_string(row.selected));
        const Session s(design(QString::fromLatin1(row.x), QStringLiteral("<argn1>")), row.selected);
        const std::optional<StandInCommands::Shown> shown = StandInCommands::shownFor(s.state, row.field);
        ASSERT_EQ(shown.has_value(), row.shown);
        if (!shown)
            continue;
        EXPECT_EQ(shown->settable, row.settable);
        EXPECT_EQ(shown->text, row.text);
    }
}

TEST(StandInCommands, TypedTextSetsClearsOrIsRefused)
{
    struct Row { const char *typed; bool valid; std::optional<int> value; };
    const Row rows[] = {
        {"40", true, 40}, {" -15 ", true, -15}, {"", true, std::nullopt}, {"  ", true, std::nullopt},
        {"4x", false, std::nullopt}, {"<argn1>", false, std::nullopt}, {"99999999999", false, std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        const StandInCommands::Typed typed = StandInCommands::read(QString::fromLatin1(row.typed));
        EXPECT_EQ(typed.valid, row.valid);
        EXPECT_EQ(typed.value, row.value);
    }
}

TEST(StandInCommands, SettingAndClearingIsOneUndoStepThatMovesTheDrawnElement)
{
    struct Row
    {
        const char *name;
        QString before;
        std::optional<int> value;
        bool changed;
        QString after;
        QString undoText;
    };
    const Row rows[] = {
        {"set", "<argn1>", 40, true, "<argn1> //standin 40", "Set Stand-in of X"},
        {"replace", "<argn1> //standin 40", -5, true, "<argn1> //standin -5", "Set Stand-in of X"},
        {"clear", "<argn1> //standin 40", std::nullopt, true, "<argn1>", "Clear Stand-in of X"},
        {"same", "<argn1> //standin 40", 40, false, "<argn1> //standin 40", ""},
        {"clear nothing", "<argn1>", std::nullopt, false, "<argn1>", ""},
        {"a number", "20", 40, false, "20", ""},
        {"computed here", "<eval 30+20>", 40, false, "<eval 30+20>", ""},
        {"a stale one on what is computed here", "<eval 30+20> //standin 7", std::nullopt, true, "<eval 30+20>",
         "Clear Stand-in of X"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Session s(design(row.before), 2);
        const QStringList original = s.state.DATA.lines();
        EXPECT_EQ(StandInCommands::set(s.state, Field::X, row.value), row.changed);
        EXPECT_EQ(s.line(3), row.after);
        EXPECT_EQ(s.undoStack.count(), row.changed ? 1 : 0);
        if (!row.changed)
            continue;
        EXPECT_EQ(s.undoStack.undoText(), row.undoText);
        RecordWalker walker(s.state.DATA.lines());
        ASSERT_TRUE(walker.next() && walker.next());
        EXPECT_EQ(ElementRecord::read(walker).x, row.value.value_or(FieldValue::evaluate(StoredStandIn::split(row.before).written).value_or(0)));
        s.undoStack.undo();
        EXPECT_EQ(s.state.DATA.lines(), original);
    }
}

TEST(StandInCommands, TheFieldsOwnEditsKeepTheStandInAndTheExportNeverWritesIt)
{
    Session s(design("<argn1>"), 13);
    ASSERT_TRUE(StandInCommands::set(s.state, Field::X, 40));
    // The readout shows the expression alone; writing it back (as the spin's timer does) changes nothing.
    const auto readout = SelectionCommands::readout(s.state);
    ASSERT_TRUE(readout);
    EXPECT_EQ(readout->x, "<argn1>");
    EXPECT_FALSE(SelectionCommands::writeField(s.state, Field::X, readout->x));

    struct Row { const char *typed; const char *written; };
    const Row rows[] = {
        {"<argn3>", "<argn3> //standin 40"},        // another expression keeps it
        {"<argn3> //standin 9", "<argn3> //standin 9"}, // one typed with its own stand-in keeps that
        {"25", "25"},                                 // a number has none
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        Session spin(s.state.DATA.lines(), 13);
        EXPECT_TRUE(SelectionCommands::writeField(spin.state, Field::X, QString::fromLatin1(row.typed)));
        EXPECT_EQ(spin.line(14), row.written);
        // The property panel of a newer kind writes the same field the same way.
        Session panel(s.state.DATA.lines(), 13);
        EXPECT_TRUE(ControlCommands::writeControlField(panel.state, 1, QString::fromLatin1(row.typed)));
        EXPECT_EQ(panel.line(14), row.written);
    }
    // The field's edit and its stand-in are two steps, never merged.
    EXPECT_TRUE(SelectionCommands::writeField(s.state, Field::Y, "<argn4>"));
    EXPECT_TRUE(StandInCommands::set(s.state, Field::Y, 12));
    EXPECT_EQ(s.undoStack.count(), 3);

    QStringList script;
    writeSphereScript(s.state.DATA.lines(), SphereDialect::V55iTo99g, "d_standin", QString(), script);
    const QString written = script.join(u'\n');
    EXPECT_TRUE(written.contains(u"<argn1>")) << written.toStdString();
    EXPECT_FALSE(written.contains(u"//")) << written.toStdString();
}

TEST(SelectionCommands, TypedSpinTextWritesNumbersExpressionsAndPlacesFromTheOrigin)
{
    struct Row { const char *typed; Field field; std::optional<QString> written; };
    const Row rows[] = {
        {"12", Field::X, "12"},
        {"-5", Field::X, "0"},              // below one, as it always was
        {"-", Field::X, std::nullopt},      // still being typed
        {"", Field::Y, std::nullopt},
        {"<argn1>", Field::X, "<argn1>"},
        {"<eval 3+4>", Field::Width, "<eval 3+4>"},
        {"+20", Field::Y, "+20"},
        {"*20", Field::X, "*20"},
        {"*20", Field::Width, std::nullopt}, // a size has no origin
        {"abc", Field::X, std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(SelectionCommands::typedText(row.field, QString::fromLatin1(row.typed)), row.written);
    }
}

TEST(SelectionCommands, TheArrowsStepNumbersAndLeaveWhatTheServerComputes)
{
    struct Row { const char *text; bool steppable; };
    const Row rows[] = {
        {"12", true}, {"-5", true}, {"0x1F", true}, {"", true},
        {"<argn1>", false}, {"<eval 3+4>", false}, {"+20", false}, {"*20", false}, {"-", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(SelectionCommands::steppable(QString::fromLatin1(row.text)), row.steppable);
    }
}
