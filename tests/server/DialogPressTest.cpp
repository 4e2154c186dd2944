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
