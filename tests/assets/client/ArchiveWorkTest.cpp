#include "assets/client/GumpArt.h"
#include "assets/client/ItemArt.h"
#include "assets/client/UopArchive.h"
#include "support/SyntheticClient.h"

#include <gtest/gtest.h>

#include <functional>

using SyntheticClient::Gump;

// What opening art costs follows what the file holds: the names of numbered
// entries are hashed once for the program, not once per archive, and only
// the pictures there are take room.

namespace {

Gump tiny(int id)
{
    return {id, 1, 1, {0x7FFF}};
}

} // namespace

TEST(ArchiveWork, OpeningAnArchiveHashesNoNamesOnceTheTablesAreMade)
{
    // Makes the shared tables, whatever ran before.
    (void)GumpArt::fromUop(ClientFile::fromBytes(SyntheticClient::uop({tiny(1)})));
    (void)ItemArt::fromUop(ClientFile::fromBytes(SyntheticClient::itemUop({tiny(1)})));

    QByteArray header(0x28, '\0');
    header.replace(0, 4, QByteArray("MYP\0", 4));
    const auto gumps = [](const QByteArray &b) { return int(GumpArt::fromUop(ClientFile::fromBytes(b))->ids().size()); };
    const auto items = [](const QByteArray &b) { return int(ItemArt::fromUop(ClientFile::fromBytes(b))->items().size()); };
    struct Case { const char *what; QByteArray bytes; std::function<int(const QByteArray &)> open; int found; };
    const Case cases[] = {
        {"no archive at all, as gumps", QByteArray("not an archive"), gumps, 0},
        {"an empty archive, as gumps", header, gumps, 0},
        {"three gumps", SyntheticClient::uop({tiny(0), tiny(0x1F4), tiny(70000)}), gumps, 3},
        {"one gump past the usual numbers", SyntheticClient::uop({tiny(GumpArt::MinProbe + 10)}), gumps, 1},
        {"no archive at all, as items", QByteArray("not an archive"), items, 0},
        {"two items", SyntheticClient::itemUop({tiny(3), tiny(0xFFFF)}), items, 2},
        {"gumps read as items", SyntheticClient::uop({tiny(3)}), items, 0},
    };
    for (const Case &c : cases) {
        const quint64 before = UopArchive::hashesMade();
        EXPECT_EQ(c.open(c.bytes), c.found) << c.what;
        EXPECT_EQ(UopArchive::hashesMade() - before, 0u) << c.what;
    }
}

TEST(ArchiveWork, ATinyArchiveHoldsOnlyTheArtItHas)
{
    const auto gumps = GumpArt::fromUop(ClientFile::fromBytes(SyntheticClient::uop({tiny(80000)})));
    EXPECT_EQ(gumps->ids(), std::vector<int>{80000});
    EXPECT_EQ(gumps->idLimit(), 80001);
    EXPECT_FALSE(gumps->contains(79999));
    EXPECT_FALSE(gumps->contains(80001));
    EXPECT_EQ(gumps->decode(80000).pixel(0, 0), 0xFFFFFFFFu);

    const auto items = ItemArt::fromUop(ClientFile::fromBytes(SyntheticClient::itemUop({tiny(0xFFFF), tiny(7)})));
    EXPECT_EQ(items->items(), (std::vector<int>{7, 0xFFFF}));
    EXPECT_EQ(items->count(), 2);
    EXPECT_FALSE(items->contains(8));
    EXPECT_FALSE(items->decode(0xFFFF).isNull());
}

TEST(ArchiveWork, AnArchiveOfMoreGumpsThanUsualIsProbedByItsOwnCount)
{
    // Gumps 0 .. MinProbe, and one just inside the probe the entry count
    // allows: count + slack. Only the numbers past the shared table are
    // hashed, two of them.
    QList<Gump> many;
    for (int id = 0; id <= GumpArt::MinProbe; ++id)
        many.append(tiny(id));
    const int last = int(many.size()) + 1 + GumpArt::ProbeSlack;
    many.append(tiny(last));
    const QByteArray bytes = SyntheticClient::uop(many, 4096);
    (void)GumpArt::fromUop(ClientFile::fromBytes(SyntheticClient::uop({tiny(1)})));

    const quint64 before = UopArchive::hashesMade();
    const auto art = GumpArt::fromUop(ClientFile::fromBytes(bytes));
    EXPECT_EQ(UopArchive::hashesMade() - before, quint64(last - (GumpArt::MinProbe + GumpArt::ProbeSlack)));
    EXPECT_EQ(art->ids().size(), many.size());
    EXPECT_TRUE(art->contains(last));
    EXPECT_EQ(art->idLimit(), last + 1);
}
