#include "document/DialogName.h"
#include "document/DocumentSession.h"
#include "document/RecordWalker.h"

#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

int elementsIn(const QStringList &lines)
{
    int n = 0;
    RecordWalker w(lines);
    while (w.next())
        n += w.item() == RecordWalker::Item::Element;
    return n;
}

const QStringList Page = {"{BOP", "0", "gumppic", "1", "2", "1F4.bmp", "}EOP"};

} // namespace

// The record holds the name whatever it reads like: a name that is a kind
// word or a page bracket is no element and no page.
TEST(DialogName, ReadsAndWritesTheLastRecord)
{
    const struct
    {
        QStringList lines;
        const char *name;
        const char *rename;
        QStringList renamed;
    } cases[] = {
        {Page, "", "d_menu", Page + QStringList{"DIALOGNAME", "d_menu"}},
        {Page + QStringList{"DIALOGNAME", "text"}, "text", "x", Page + QStringList{"DIALOGNAME", "x"}},
        {QStringList{"DIALOGNAME", "}EOP"} + Page, "}EOP", "y", QStringList{"DIALOGNAME", "y"} + Page},
        {Page + QStringList{"DIALOGNAME"}, "", "z", Page + QStringList{"DIALOGNAME", "z"}},   // cut short at the end
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lines.join(u' ').toStdString());
        EXPECT_EQ(DialogName::of(c.lines), QString::fromLatin1(c.name));
        EXPECT_EQ(elementsIn(c.lines), 1);
        const QStringList renamed = DialogName::withName(c.lines, QString::fromLatin1(c.rename));
        EXPECT_EQ(renamed, c.renamed);
        EXPECT_EQ(DialogName::of(renamed), QString::fromLatin1(c.rename));
    }
    EXPECT_TRUE(Records::isStructureLine(QStringLiteral("DIALOGNAME")));
}

TEST(DialogName, StoringIsOneUndoStepAndNoneWhenUnchanged)
{
    DocumentSession session;
    session.state.DATA = Document(Page);
    EXPECT_TRUE(DialogName::store(session.state, QStringLiteral("d_shop")));
    EXPECT_EQ(session.undoStack.count(), 1);
    EXPECT_EQ(session.undoStack.undoText(), QStringLiteral("Dialog Name"));
    EXPECT_FALSE(DialogName::store(session.state, QStringLiteral("d_shop")));
    EXPECT_EQ(session.undoStack.count(), 1);
    session.undoStack.undo();
    EXPECT_EQ(session.state.DATA.lines(), Page);
}
