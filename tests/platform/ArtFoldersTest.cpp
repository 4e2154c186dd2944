#include "platform/ArtFolders.h"

#include <gtest/gtest.h>

// The export, the check and drawing all find a button's decoder by this name.
TEST(ArtFolders, ButtonDecoderReplacesOnlyTheFileNamesExtension)
{
    const std::pair<QString, QString> cases[] = {
        {"okay.bmp", "DATA/buttons/okay.CS"},
        {"okay", "DATA/buttons/okay.CS"},
        {"two.dots.bmp", "DATA/buttons/two.dots.CS"},
        {"sub.dir/okay", "DATA/buttons/sub.dir/okay.CS"},   // a dot in a folder is no extension
        {"sub.dir\\okay", "DATA/buttons/sub.dir\\okay.CS"},
    };
    for (const auto &[art, decoder] : cases)
        EXPECT_EQ(ArtFolders::buttonDecoder(art), decoder) << art.toStdString();
}
