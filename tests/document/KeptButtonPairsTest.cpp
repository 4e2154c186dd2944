#include "document/DocumentSession.h"
#include "document/KeptButtonPairs.h"

#include <gtest/gtest.h>

// Buttons, check boxes and radios that kept gump pairs are found once per
// pair, and pointing them at library art is one undo step that leaves other
// art, and pairs the library still lacks, alone.
TEST(KeptButtonPairs, AreFoundOnceEachAndUseLibraryArtInOneStep)
{
    DocumentSession session;
    EditorState &s = session.state;
    s.DATA = Document({"{BOP", "0", "button", "1", "2", "gump 4005 4007.bmp", "1", "0", "1", "",
                       "checkbox", "5", "6", "gump 210 211.bmp", "0", "1",
                       "button", "1", "2", "okay.bmp", "1", "0", "2", "",
                       "}EOP", "{BOP", "1", "radio", "5", "6", "gump 4005 4007.bmp", "0", "1", "0",
                       "gumppic", "1", "2", "gump 1 2.bmp", "}EOP"});
    const QStringList original = s.DATA.lines();
    EXPECT_EQ(KeptButtonPairs::in(original), (QList<std::pair<int, int>>{{4005, 4007}, {210, 211}}));

    const auto library = [](int up, int down) -> std::optional<QString> {
        if (up == 4005 && down == 4007)
            return QStringLiteral("FA5.BMP");
        return std::nullopt;
    };
    ASSERT_TRUE(KeptButtonPairs::useLibraryArt(s, library));
    EXPECT_EQ(session.undoStack.count(), 1);
    EXPECT_EQ(session.undoStack.undoText(), "Use Library Art");
    EXPECT_EQ(s.DATA.line(5), "FA5.BMP");
    EXPECT_EQ(s.DATA.line(13), "gump 210 211.bmp");
    EXPECT_EQ(s.DATA.line(30), "FA5.BMP");
    EXPECT_EQ(s.DATA.line(37), "gump 1 2.bmp");   // a picture's name is no pair
    EXPECT_EQ(KeptButtonPairs::in(s.DATA.lines()), (QList<std::pair<int, int>>{{210, 211}}));

    EXPECT_FALSE(KeptButtonPairs::useLibraryArt(s, library));   // nothing left to point: no step
    EXPECT_EQ(session.undoStack.count(), 1);
    session.undoStack.undo();
    EXPECT_EQ(s.DATA.lines(), original);
}
