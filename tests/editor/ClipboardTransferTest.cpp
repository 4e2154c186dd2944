#include "document/DocumentSession.h"
#include "document/ElementClipboard.h"
#include "document/SelectionSet.h"
#include "editor/ClipboardTransfer.h"

#include <QMimeData>

#include <gtest/gtest.h>

namespace {

constexpr int Step = ElementClipboard::PasteStep;

// Edits need the session's undo history.
void loadOneText(EditorState &s)
{
    s.DATA = Document({"{BOP", "0", "text", "5", "5", "0", "Hi", "}EOP"});
}

} // namespace

// Each letter is a paste of those records; "c" is a copy.
TEST(ClipboardTransfer, RepeatedPastesOfTheSameRecordsStepFurtherUntilTheNextCopy)
{
    const struct
    {
        const char *steps;
        QList<int> offsets;
    } cases[] = {
        {"aaa", {Step, 2 * Step, 3 * Step}},
        {"aab", {Step, 2 * Step, Step}},
        {"aba", {Step, Step, Step}},
        {"aacaa", {Step, 2 * Step, Step, 2 * Step}},
        {"acca", {Step, Step}},
    };
    for (const auto &c : cases) {
        ClipboardTransfer transfer;
        DocumentSession session;
    EditorState &s = session.state;
    loadOneText(s);
        SelectionSet::selectOnly(s, 2);
        QList<int> offsets;
        for (const char *step = c.steps; *step; ++step) {
            if (*step == 'c')
                ASSERT_TRUE(transfer.copy(s, QStringLiteral("55i - 99g")).data);
            else
                offsets << transfer.nextOffset(QByteArray(1, *step));
        }
        EXPECT_EQ(offsets, c.offsets) << c.steps;
    }
}

TEST(ClipboardTransfer, CopyCarriesTheRecordsAndTheirScriptAndPastesLandAStepApart)
{
    ClipboardTransfer transfer;
    DocumentSession session;
    EditorState &s = session.state;
    loadOneText(s);
    EXPECT_FALSE(transfer.copy(s, QStringLiteral("55i - 99g")).data);   // nothing selected

    SelectionSet::selectOnly(s, 2);
    const ClipboardTransfer::Copied copied = transfer.copy(s, QStringLiteral("55i - 99g"));
    ASSERT_TRUE(copied.data);
    EXPECT_TRUE(copied.problem.isEmpty());
    EXPECT_EQ(copied.data->text(), QStringLiteral("dtext 5 5 0 Hi\r\n"));

    ASSERT_TRUE(transfer.paste(s, copied.data.get()));
    EXPECT_EQ(ElementClipboard::selectedRecords(s), QStringList({"text", "15", "15", "0", "Hi"}));
    ASSERT_TRUE(transfer.paste(s, copied.data.get()));
    EXPECT_EQ(ElementClipboard::selectedRecords(s), QStringList({"text", "25", "25", "0", "Hi"}));
}

TEST(ClipboardTransfer, ScriptTextLandsWhereTheScriptPutsItAndNothingPastesNothing)
{
    ClipboardTransfer transfer;
    DocumentSession session;
    EditorState &s = session.state;
    loadOneText(s);
    QMimeData script;
    script.setText(QStringLiteral("dtext 40 50 0 Hello"));
    for (int k = 0; k < 2; ++k) {   // no step for script text
        ASSERT_TRUE(transfer.paste(s, &script)) << k;
        EXPECT_EQ(ElementClipboard::selectedRecords(s).mid(0, 3), QStringList({"text", "40", "50"})) << k;
    }
    const QStringList before = s.DATA.lines();
    EXPECT_FALSE(transfer.paste(s, nullptr));
    QMimeData empty;
    EXPECT_FALSE(transfer.paste(s, &empty));
    EXPECT_EQ(s.DATA.lines(), before);
}
