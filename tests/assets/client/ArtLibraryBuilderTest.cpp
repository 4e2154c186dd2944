#include "assets/ArtStore.h"
#include "assets/BitmapFile.h"
#include "assets/HueLibrary.h"
#include "assets/client/ArtLibraryBuilder.h"
#include "sphere/ButtonArtMatcher.h"
#include "support/FileFixtures.h"
#include "support/SyntheticClient.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using FileFixtures::readFile;
using FileFixtures::writeFile;

SyntheticClient::Gump solid(int id, quint16 colour, int w = 2, int h = 2)
{
    return {id, w, h, QList<quint16>(w * h, colour)};
}

} // namespace

TEST(ArtLibraryBuilder, ScansLiteralButtonAndResizepicLines)
{
    ArtLibraryBuilder::ScriptArt art;
    ArtLibraryBuilder::scanScript("[DIALOG d_x]\r\n0,0\r\nresizepic 0 0 05054 200 100\r\n"
                                  "  BUTTON 10 20 0fa5 0fa7 1 0 1 // next\r\n"
                                  "button 1 2 <local.up> 0fa7 1 0 1\r\n// button 1 2 3 4 1 0 1\r\n"
                                  "buttontileart 1 2 4005 4007 1 0 2 0 0 0 0\r\n",
                                  art);
    EXPECT_EQ(art.buttons, (std::set<std::pair<int, int>>{{0xFA5, 0xFA7}, {4005, 4007}}));
    EXPECT_EQ(art.backgrounds, std::set<int>{0x5054});
}

TEST(ArtLibraryBuilder, WritesALibraryTheStoreReadsAndKeepsUserFiles)
{
    QTemporaryDir client, out, scripts;
    QList<SyntheticClient::Gump> gumps = {solid(0xF7, 0x7C00, 3, 2), solid(0x1000, 0x001F)};
    for (int k = 0; k < 9; ++k)
        gumps.append(solid(9200 + k, quint16(k + 1)));
    std::sort(gumps.begin(), gumps.end(), [](const auto &a, const auto &b) { return a.id < b.id; });
    const auto [index, data] = SyntheticClient::mul(gumps);
    writeFile(client.filePath("GumpIdx.mul"), index);
    writeFile(client.filePath("gumpart.mul"), data);
    writeFile(client.filePath("hues.mul"), SyntheticClient::hues({{0, "zero"}, {0x7C00, "Red"}, {0x001F, ""}}));
    writeFile(scripts.filePath("d.SCP"), "button 0 0 01000 01001 1 0 1\n");
    // The user's own library: one hue already there, one picture of theirs.
    writeFile(out.filePath("ColorLibary.INI"), "[NORMALS]\r\nTOTAL=1\r\n[1]\r\nNAME=Mine\r\nCOLOR=clRed\r\nSPHERE=2\r\n");
    writeFile(out.filePath("DATA/buttons/F7.bmp"), "mine");

    const ArtLibraryBuilder::Options options{client.path(), out.path() + "/", {scripts.path()}};
    const auto report = ArtLibraryBuilder::build(options);
    EXPECT_EQ(report.buttonsWritten, 1);
    EXPECT_EQ(report.backgroundsWritten, 1);
    EXPECT_EQ(report.huesAdded, 6);   // records 1, 3..7; 2 was there
    EXPECT_EQ(readFile(out.filePath("DATA/buttons/F7.bmp")), "mine");
    EXPECT_EQ(readFile(out.filePath("DATA/buttons/1000.cs")), "1000\r\n1001\r\n");
    EXPECT_EQ(readFile(out.filePath("DATA/buttons/F7.cs")), "F7\r\nF8\r\n");

    ArtStore store(out.path() + "/");
    EXPECT_EQ(store.button("1000.bmp").pixel(0, 0), 0xFF0000FFu);
    const QImage composed = store.resizepic("9200.bmp", 6, 6);
    EXPECT_EQ(composed.pixel(0, 0), 0xFF000008u);    // piece 0 (colour 1)
    EXPECT_EQ(composed.pixel(3, 3), 0xFF000029u);    // centre, colour 5
    EXPECT_FALSE(BitmapFile::load(store.gumppicPath("resizepic/9200.bmp")).isNull());   // the preview

    const HueLibrary hues(out.path() + "/");
    EXPECT_EQ(hues.total(), 7);
    EXPECT_EQ(hues.name(2), "Red");
    EXPECT_EQ(hues.colorText(2), "clRed");
    EXPECT_EQ(hues.sphere(2, ""), "1");
    EXPECT_EQ(hues.sphere(3, ""), "3");
    EXPECT_EQ(hues.name(3), "Hue 3");

    // The import finds the entries by their decoders; other numbers keep the fallback.
    ButtonArtMatcher imported(out.path() + "/");
    EXPECT_EQ(imported.artFor(0x1000), "1000.BMP");
    EXPECT_EQ(imported.artFor(0xF7), "F7.BMP");
    EXPECT_EQ(imported.artFor(0xF9), ButtonArtMatcher::NoMatch);

    const QByteArray before = readFile(out.filePath("ColorLibary.INI"));
    const auto again = ArtLibraryBuilder::build(options);
    EXPECT_EQ(again.buttonsWritten + again.backgroundsWritten + again.huesAdded, 0);
    EXPECT_EQ(readFile(out.filePath("ColorLibary.INI")), before);
}

TEST(ArtLibraryBuilder, ReportsProgressAndStopsWhenCancelled)
{
    QTemporaryDir client, out;
    const auto [index, data] = SyntheticClient::mul({solid(0xD0, 0x7C00), solid(0xF7, 0x7C00)});
    writeFile(client.filePath("gumpidx.mul"), index);
    writeFile(client.filePath("gumpart.mul"), data);
    const ArtLibraryBuilder::Options options{client.path(), out.path() + "/", {}};

    std::vector<std::pair<int, int>> steps;
    std::atomic<bool> cancel{false};
    const auto record = [&](int done, int total) {
        steps.emplace_back(done, total);
        cancel = true;   // asked for during the first step
    };
    const auto cancelled = ArtLibraryBuilder::build(options, record, &cancel);
    EXPECT_TRUE(cancelled.cancelled);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(cancelled.buttonsWritten, 1);   // D0, the first pair in order; F7 never came
    EXPECT_FALSE(QFileInfo::exists(out.filePath("DATA/buttons/F7.bmp")));

    steps.clear();
    cancel = false;
    const auto whole = ArtLibraryBuilder::build(options, [&](int d, int t) { steps.emplace_back(d, t); }, &cancel);
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(whole.buttonsWritten, 1);   // F7 now; D0 was kept
    ASSERT_FALSE(steps.empty());
    const int total = steps.front().second;
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i], std::make_pair(int(i) + 1, total));
    EXPECT_EQ(int(steps.size()), total);
}

TEST(ArtLibraryBuilder, AFreshLibraryGetsTheFoldersAsDocumented)
{
    QTemporaryDir client, out;
    QList<SyntheticClient::Gump> gumps = {solid(0xF7, 0x7C00)};
    for (int k = 0; k < 9; ++k)
        gumps.append(solid(9200 + k, quint16(k + 1)));
    const auto [index, data] = SyntheticClient::mul(gumps);
    writeFile(client.filePath("gumpidx.mul"), index);
    writeFile(client.filePath("gumpart.mul"), data);
    const auto report = ArtLibraryBuilder::build({client.path(), out.path() + "/", {}});
    ASSERT_EQ(report.buttonsWritten + report.backgroundsWritten, 2);
    // One library folder, spelt as the designer's windows and the sample spell it.
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"DATA"}));
    EXPECT_EQ(QDir(out.filePath("DATA")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"buttons", "resizepic"}));
    EXPECT_TRUE(QFileInfo::exists(out.filePath("DATA/buttons/F7.bmp")));
    EXPECT_TRUE(QFileInfo::exists(out.filePath("DATA/buttons/F7.cs")));
}

// Two buttons with one up gump and different down gumps each keep their pair,
// and the import gives each script button the entry naming both its gumps.
TEST(ArtLibraryBuilder, EveryPairOfOneUpGumpGetsItsOwnEntry)
{
    QTemporaryDir client, out, scripts;
    const auto [index, data] = SyntheticClient::mul({solid(4005, 0x7C00)});
    writeFile(client.filePath("gumpidx.mul"), index);
    writeFile(client.filePath("gumpart.mul"), data);
    writeFile(scripts.filePath("d.scp"), "button 0 0 4005 4006 1 0 1\nbutton 0 0 4005 4007 1 0 2\n"
                                         "checkbox 0 0 4005 4008 0 1\n");
    ArtLibraryBuilder::build({client.path(), out.path() + "/", {scripts.path()}});
    EXPECT_EQ(readFile(out.filePath("DATA/buttons/FA5.cs")), "FA5\r\nFA6\r\n");
    EXPECT_EQ(readFile(out.filePath("DATA/buttons/FA5_FA7.cs")), "FA5\r\nFA7\r\n");
    EXPECT_EQ(readFile(out.filePath("DATA/buttons/FA5_FA8.cs")), "FA5\r\nFA8\r\n");

    ButtonArtMatcher matcher(out.path() + "/");
    const struct { int up; std::optional<int> down; const char *art; } cases[] = {
        {4005, 4007, "FA5_FA7.BMP"}, {4005, 4006, "FA5.BMP"}, {4005, 4008, "FA5_FA8.BMP"},
        {4005, 4009, "FA5.BMP"},    // no entry of both: the first of the up gump
        {4005, std::nullopt, "FA5.BMP"}, {4010, 4011, "Blue dot.bmp"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(matcher.artFor(c.up, c.down), c.art) << c.up << " " << c.down.value_or(-1);

    // A second build keeps the entries it made, and adds none twice.
    ArtLibraryBuilder::build({client.path(), out.path() + "/", {scripts.path()}});
    EXPECT_FALSE(QFileInfo::exists(out.filePath("DATA/buttons/FA5_FA6.cs")));
}

// The pairs an imported dialog kept: only they are added, whatever else the
// client holds, and a pair the client lacks is counted missing.
TEST(ArtLibraryBuilder, OnlyTheButtonPairsAskedForAreAdded)
{
    QTemporaryDir client, out;
    QList<SyntheticClient::Gump> gumps = {solid(0xF7, 0x7C00), solid(0xFA5, 0x001F)};
    for (int k = 0; k < 9; ++k)
        gumps.append(solid(9200 + k, quint16(k + 1)));
    const auto [index, data] = SyntheticClient::mul(gumps);
    writeFile(client.filePath("GumpIdx.mul"), index);
    writeFile(client.filePath("gumpart.mul"), data);
    writeFile(client.filePath("hues.mul"), SyntheticClient::hues({{0x7C00, "Red"}}));

    ArtLibraryBuilder::Options options{client.path(), out.path() + "/", {}};
    options.onlyButtons = {{0xFA5, 0xFA7}, {0x3000, 0x3001}};
    const auto report = ArtLibraryBuilder::build(options);
    EXPECT_EQ(report.buttonsWritten, 1);
    EXPECT_EQ(report.missing, 1);
    EXPECT_EQ(report.backgroundsWritten + report.huesAdded + report.fontGlyphs, 0);
    EXPECT_EQ(QDir(out.filePath("DATA/buttons")).entryList(QDir::Files), (QStringList{"FA5.bmp", "FA5.cs"}));
    EXPECT_FALSE(QFile::exists(out.filePath("ColorLibary.INI")));
    EXPECT_EQ(ButtonArtMatcher(out.path() + "/").pairArt(0xFA5, 0xFA7), std::optional<QString>("FA5.BMP"));
}
