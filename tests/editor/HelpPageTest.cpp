#include "editor/HelpPage.h"

#include <gtest/gtest.h>

// Help > Help says what failed: a page that is not there, or a browser that did not start for one that is.
TEST(HelpPage, TheMessageSaysWhatFailed)
{
    const struct
    {
        QString page;
        QString expected;
    } cases[] = {
        {QString(), QStringLiteral("The help page quillmark.html is not installed: it is neither in "
                                   "share/quillmark/help/ beside the program nor in its source folder")},
        {QStringLiteral("/usr/share/quillmark/help/quillmark.html"),
         QStringLiteral("No web browser could be started to show the help page. Open "
                        "/usr/share/quillmark/help/quillmark.html in a browser")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HelpPage::notShownText(c.page), c.expected);
}
