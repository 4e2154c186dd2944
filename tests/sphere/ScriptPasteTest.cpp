#include "sphere/ScriptPaste.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ScriptPaste, ControlLinesCopiedFromAScriptBecomeElementRecords)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case { const char *text; QStringList records; const char *what; };
    const Case cases[] = {
        {"resizepic 10 20 2600 300 200\r\ngumppic 5 6 01f4 // corner\r\n",
         {"resizepic", "10", "20", "2600.bmp", "300", "200", "gumppic", "5", "6", "1F4.bmp"},
         "lines from inside a dialog"},
        {"[DIALOG d_other]\npage 0\ndtext 30 40 0 Hello there\n",
         {"text", "30", "40", "0", "Hello there"}, "a copy with its header"},
        {"  DTEXT 1 2 0 x  ", {"text", "1", "2", "0", "x"}, "any case, spaces around"},
        {"Hello, this is a letter\nwith text 1 2 in it", {}, "prose is no layout"},
        {"", {}, "nothing"},
        {"IF <src.isgm>\r\n  gumppic 1 2 500\r\nENDIF\r\n",
         {"script", "IF <src.isgm>", "gumppic", "1", "2", "1F4.bmp", "script", "ENDIF"}, "logic lines kept"},
        {"FOR 3\n  LOCAL.x=1\nENDFOR", {"script", "FOR 3", "script", "  LOCAL.x=1", "script", "ENDFOR"},
         "a whole block of logic alone"},
        {"if you like it\nyou keep it", {}, "a sentence beginning with if"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ScriptPaste::elementRecords(QString::fromLatin1(c.text), dir.path() + u'/'), c.records) << c.what;
}
