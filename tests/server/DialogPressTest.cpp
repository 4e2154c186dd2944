// The client answers dialogs as a player does, and the server runs the block
// of the button pressed with the switches and texts the reply carries.
#include "support/DialogPresses.h"

#include <gtest/gtest.h>

namespace {

const char *const PressScript = R"([DIALOG d_press]
0,0
resizepic 0 0 9200 300 200
button 10 10 247 248 1 0 1
button 10 40 247 248 1 0 2
button 10 70 247 248 0 2 5
checkbox 10 100 210 211 1 31
checkbox 10 130 210 211 0 32
radio 10 160 208 209 1 41
textentry 40 10 100 20 0 7 0
textentrylimited 40 40 100 20 0 8 1 20

[DIALOG d_press TEXT]
first entry
second

[DIALOG d_press BUTTON]
ON=0
SYSMESSAGE qmclosed
ON=1
SYSMESSAGE qmone
SYSMESSAGE qmchk <argchk 31> <argchk 32> <argchk 41>
SYSMESSAGE qmtxt <argtxt 7>|<argtxt 8>
ON=2 3
SYSMESSAGE qmrange <argn1>

[EOF]
)";

struct PressCase
{
    const char *name;
    DialogPress press;
    QStringList messages;
};

TEST(DialogPress, EachPressRunsItsBlockWithTheRepliesSwitchesAndTexts)
{
    SKIP_WITHOUT_SPHERE_SERVER();
    const PressCase cases[] = {
        {"Close", {0, {}, {}}, {"qmclosed"}},
        {"FirstButtonSwitchesAndTexts", {1, {31, 41}, {{7, "typed"}, {8, "more"}}},
         {"qmone", "qmchk 1 0 1", "qmtxt typed|more"}},
        {"SwitchesOffTextsEmpty", {1, {}, {}}, {"qmone", "qmchk 0 0 0", "qmtxt |"}},
        {"RangeBlock", {3, {}, {}}, {"qmrange 3"}},
        {"NoBlock", {9, {}, {}}, {}},
    };
    QList<DialogPress> presses;
    for (const PressCase &c : cases)
        presses << c.press;
    const PressedDialogs got = pressDialogs({{"d_press.scp", PressScript}}, {{"d_press", presses}});
    ASSERT_TRUE(got.error.isEmpty()) << got.error.toStdString();
    ASSERT_TRUE(got.dialogs.value("d_press").gump.has_value());
    const QList<QStringList> messages = got.dialogs.value("d_press").messages;
    ASSERT_EQ(messages.size(), qsizetype(std::size(cases)));
    for (size_t k = 0; k < std::size(cases); ++k)
        EXPECT_EQ(messages[qsizetype(k)], cases[k].messages) << cases[k].name;
}

// The presses a shown dialog offers are its reply buttons and the close,
// with the switches and texts it opens with.
TEST(DialogPress, TheDialogOffersItsReplyButtonsAndTheClose)
{
    ReceivedGump gump;
    gump.controls = {{"button", "10", "10", "247", "248", "1", "0", "1"},
                     {"button", "10", "10", "247", "248", "0", "2", "5"},   // switches page only
                     {"button", "10", "10", "247", "248", "1", "0", "1"},   // the same reply again
                     {"button", "10", "10", "247", "248", "1", "0", "4"},
                     {"checkbox", "1", "1", "210", "211", "1", "31"},
                     {"checkbox", "1", "1", "210", "211", "0", "32"},
                     {"radio", "1", "1", "208", "209", "1", "41"},
                     {"textentry", "1", "1", "9", "9", "0", "7", "1"},
                     {"textentrylimited", "1", "1", "9", "9", "0", "8", "0", "20"},
                     {"textentry", "1", "1", "9", "9", "0", "9", "5"}};   // a text that is not there
    gump.texts = {"zero", "one"};
    const QList<DialogPress> presses = pressesOf(gump);
    QList<quint32> buttons;
    for (const DialogPress &p : presses) {
        buttons << p.button;
        EXPECT_EQ(p.switches, (QList<quint32>{31, 41}));
        EXPECT_EQ(p.entries, (QList<std::pair<quint16, QString>>{{7, "one"}, {8, "zero"}}));
    }
    EXPECT_EQ(buttons, (QList<quint32>{1, 4, 0}));
}

} // namespace

// A block that ends the session is told apart from the presses sent with it:
// they, and the dialogs after it, are pressed in new sessions.
TEST(DialogPress, APressThatEndsTheSessionIsRecordedAndTheRestPressedInANewOne)
{
    SKIP_WITHOUT_SPHERE_SERVER();
    // A double click on the player ends the test client's session.
    const auto script = [](const QByteArray &name) {
        return "[DIALOG " + name + "]\n0,0\nresizepic 0 0 9200 200 100\n"
               "button 10 10 247 248 1 0 1\nbutton 10 40 247 248 1 0 2\nbutton 10 70 247 248 1 0 3\n\n"
               "[DIALOG " + name + " BUTTON]\nON=0\nSYSMESSAGE qmclosed\nON=1\nSYSMESSAGE qmone\n"
               "ON=2\nDCLICK\nON=3\nSYSMESSAGE qmthree\n\n[EOF]\n";
    };
    QList<std::pair<QString, QByteArray>> files;
    QList<std::pair<QString, QList<DialogPress>>> presses;
    for (const QByteArray name : {"d_ends", "d_ends_rt", "d_after", "d_after_rt"}) {
        files.append({QString::fromLatin1(name) + ".scp", script(name)});
        presses.append({QString::fromLatin1(name), name.startsWith("d_ends") ? QList<DialogPress>{{1}, {2}, {3}, {0}}
                                                                              : QList<DialogPress>{{3}}});
    }
    const PressedSides got = pressOnBothSides(files, presses, 5);
    const QList<QStringList> ends = {{"qmone"}, {SessionEnded}, {"qmthree"}, {"qmclosed"}};
    EXPECT_EQ(got.ran.value("d_ends"), ends);
    EXPECT_EQ(got.ran.value("d_ends_rt"), ends);
    EXPECT_EQ(got.ran.value("d_after"), (QList<QStringList>{{"qmthree"}}));
    EXPECT_EQ(got.ran.value("d_after_rt"), (QList<QStringList>{{"qmthree"}}));
    // Each side: the session it ended, one pressing one at a time up to it, one for the rest.
    EXPECT_EQ(got.sessions, 6);
    EXPECT_EQ(got.retried, 0);
}
