#include "render/PageRenderer.h"

#include <gtest/gtest.h>

namespace {

QStringList script(const QString &line) { return {QStringLiteral("script"), line}; }
QStringList box(const QString &x, const QString &y)
{
    return {QStringLiteral("checkertrans"), x, y, QStringLiteral("20"), QStringLiteral("20")};
}

} // namespace

// The select list holds every line in order, indented by its blocks; the
// canvas draws the branch chosen, and the list says which entries it leaves.
TEST(LogicRender, ListShowsTheStructureAndTheCanvasTheBranchChosen)
{
    const QStringList lines = QStringList{"{BOP", "0"} + script("dorigin 100 100") + script("IF <src.isgm>")
                              + box("+10", "+10") + script("ELSE") + box("<argn1>", "5") + script("ENDIF")
                              + QStringList{"}EOP"};
    struct Row { QString choice; QStringList entries; QList<bool> drawn; };
    const Row rows[] = {
        {"first",
         {"dorigin 100 100", "IF <src.isgm>", "  Checkertrans at +10 +10 Sized 20 20 (placed by the server)", "ELSE",
          "  Checkertrans at <argn1> 5 Sized 20 20 (branch not shown)", "ENDIF"},
         {false, false, true, false, false, false}},
        {"1",
         {"dorigin 100 100", "IF <src.isgm>", "  Checkertrans at +10 +10 Sized 20 20 (branch not shown)", "ELSE",
          "  Checkertrans at <argn1> 5 Sized 20 20 (placed by the server)", "ENDIF"},
         {false, false, false, false, true, false}},
    };
    PageRenderer renderer;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.choice.toStdString());
        RenderOptions options;
        options.branches = *BranchChoice::parse(row.choice);
        options.markLogic = true;
        const RenderResult r = renderer.render(lines, options);
        EXPECT_EQ(r.selectEntries, row.entries);
        ASSERT_EQ(r.boxes.size(), row.drawn.size());
        for (qsizetype k = 0; k < r.boxes.size(); ++k)
            EXPECT_EQ(!r.boxes[k].isNull(), row.drawn[k]) << k;
    }
    RenderOptions options;
    EXPECT_EQ(renderer.render(lines, options).boxes[2], QRect(110, 110, 20, 20));
}
