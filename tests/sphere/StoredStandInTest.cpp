// A stand-in the user sets for a field the server computes: the canvas draws
// at it, the design keeps it, the export never writes it.
#include "document/ElementRecord.h"
#include "document/FieldValue.h"
#include "document/RecordWalker.h"
#include "document/StoredStandIn.h"
#include "sphere/SphereDialect.h"
#include "sphere/SphereExport.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredStandIn, SplitsOnlyExpressionsAndDrawsAtWhatItCannotCompute)
{
    struct Row { QString field; QString written; std::optional<int> stored; int standIn; };
    const Row rows[] = {
        {"<argn1> //standin 40", "<argn1>", 40, 40},
        {"<local.y> //standin -15", "<local.y>", -15, -15},
        {"<eval 30+20> //standin 5", "<eval 30+20>", 5, 50},   // what the designer computes wins
        {"<argn1> //standin x", "<argn1> //standin x", std::nullopt, 0},
        {"<argn1>", "<argn1>", std::nullopt, 0},
        {"20 //standin 40", "20 //standin 40", std::nullopt, 0},   // a number has no stand-in of its own
        {"<a> //standin 1 //standin 2", "<a> //standin 1", 2, 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.field.toStdString());
        const StoredStandIn::Parts parts = StoredStandIn::split(row.field);
        EXPECT_EQ(parts.written, row.written);
        EXPECT_EQ(parts.value, row.stored);
        EXPECT_EQ(FieldValue::standIn(row.field), row.standIn);
        if (row.stored && !row.written.contains(u"//"))
            EXPECT_EQ(StoredStandIn::join(parts.written, parts.value), row.field);
    }
    EXPECT_EQ(StoredStandIn::join("<argn1> //standin 40", std::nullopt), "<argn1>");
    EXPECT_EQ(StoredStandIn::join("20", 5), "20");
    // Setting it again replaces the stored one.
    EXPECT_EQ(StoredStandIn::join("<a> //standin 1", 2), "<a> //standin 2");
}

const QStringList Design = {
    "{BOP", "0",
    "gumppic", "<argn1> //standin 40", "<local.y> //standin 60", "1F4.bmp",
    "text", "10", "<argn2> //standin 7", "0", "a //standin 3 stays in a text",
    "}EOP",
};

TEST(StoredStandIn, TheCanvasDrawsAtItAndTheExportLeavesItOut)
{
    RecordWalker walker(Design);
    ASSERT_TRUE(walker.next() && walker.next());
    const ElementRecord picture = ElementRecord::read(walker);
    EXPECT_EQ(picture.x, 40);
    EXPECT_EQ(picture.y, 60);

    QStringList stripped = Design;
    stripped[3] = "<argn1>";
    stripped[4] = "<local.y>";
    stripped[8] = "<argn2>";
    EXPECT_EQ(StoredStandIn::withoutStandIns(Design), stripped);

    QStringList script;
    writeSphereScript(Design, SphereDialect::V55iTo99g, "d_standin", QString(), script);
    const QString written = script.join(u'\n');
    EXPECT_TRUE(written.contains(u"<argn1>")) << written.toStdString();
    EXPECT_FALSE(written.contains(u"//standin 40") || written.contains(u"//standin 60")
                 || written.contains(u"//standin 7")) << written.toStdString();
}

} // namespace
