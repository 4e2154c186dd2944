#include "render/CacheKey.h"
#include "render/ImageCache.h"
#include "support/SyntheticArt.h"

#include <gtest/gtest.h>

using SyntheticArt::solid;

namespace {

ElementBitmap art(int w, int h, QRgb color = 0xFF336699u)
{
    return ElementBitmap(solid(w, h, color), TransparentColor::Art);
}

QStringList gumppic(const QString &file) { return {"gumppic", "0", "0", file}; }
QStringList button(const QString &file) { return {"button", "0", "0", file, "1", "2", "0", "0"}; }
QStringList resizepic(const QString &file, const QString &w, const QString &h)
{
    return {"resizepic", "0", "0", file, w, h};
}
QStringList text(const QString &hue, const QString &t) { return {"text", "0", "0", hue, t}; }

QStringList page(const QList<QStringList> &records)
{
    QStringList lines{"{BOP", "0"};
    for (const QStringList &r : records)
        lines += r;
    lines << "}EOP";
    return lines;
}

} // namespace

TEST(CacheKey, KeysOfEachKind)
{
    const QStringList lines = page({resizepic("9200.bmp", "200", "150"), gumppic("1F4.bmp"),
                                    button("1F4.bmp"), text("1152", "Hello")});
    EXPECT_EQ(CacheKey::forRecord(ElementKind::Resizepic, lines, 2), "Resizepic2001509200.bmp");
    EXPECT_EQ(CacheKey::forRecord(ElementKind::Gumppic, lines, 8), "Gumppic1F4.bmp");
    EXPECT_EQ(CacheKey::forRecord(ElementKind::Button, lines, 12), "Button1F4.bmp");
    EXPECT_EQ(CacheKey::forRecord(ElementKind::Text, lines, 20), "TEXT1152Hello");
    // A record cut short by the end of the lines.
    EXPECT_EQ(CacheKey::forRecord(ElementKind::Resizepic, {"resizepic", "1", "2", "x.bmp", "10"}, 0),
              "Resizepic10x.bmp");
}

TEST(ImageCache, AddStacksEntriesAndLookupTakesTheFirst)
{
    ImageCache cache;
    cache.add("Gumppic1.bmp", art(10, 20));
    cache.add("Gumppic2.bmp", art(30, 5));
    cache.add("Gumppic1.bmp", art(7, 7));
    EXPECT_EQ(cache.indexLines(), QStringList({"Gumppic1.bmp", "0", "10", "20", "Gumppic2.bmp", "20", "30", "5",
                                               "Gumppic1.bmp", "25", "7", "7"}));
    EXPECT_EQ(cache.stripWidth(), 30);
    EXPECT_EQ(cache.stripHeight(), 32);

    const auto hit = cache.lookup("Gumppic1.bmp");
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->top, 0);
    EXPECT_EQ(QSize(hit->width, hit->height), QSize(10, 20));
    EXPECT_FALSE(cache.lookup("gumppic1.bmp"));   // case matters
    EXPECT_FALSE(cache.lookup("Button1.bmp"));
}

TEST(ImageCache, EntriesShareTheirPixels)
{
    ImageCache cache;
    const ElementBitmap bitmap = art(4, 4);
    cache.add("Gumppic1.bmp", bitmap);
    EXPECT_EQ(cache.lookup("Gumppic1.bmp")->bitmap.image().constBits(), bitmap.image().constBits());

    int made = 0;
    const auto make = [&] { ++made; return art(3, 3); };
    const ElementBitmap first = cache.obtain("Gumppic9.bmp", make);
    const ElementBitmap second = cache.obtain("Gumppic9.bmp", make);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(first.image().constBits(), second.image().constBits());
}

TEST(ImageCache, OffMeansNothingReadOrAdded)
{
    ImageCache cache;
    cache.add("Gumppic1.bmp", art(2, 2));
    cache.setEnabled(false);
    EXPECT_FALSE(cache.lookup("Gumppic1.bmp"));
    cache.add("Gumppic2.bmp", art(2, 2));
    EXPECT_EQ(cache.entryCount(), 1);
    int made = 0;
    cache.obtain("Gumppic1.bmp", [&] { ++made; return art(2, 2); });
    cache.obtain("Gumppic1.bmp", [&] { ++made; return art(2, 2); });
    EXPECT_EQ(made, 2);

    // The clean-up still runs.
    cache.cleanUp(page({gumppic("3.bmp")}));
    EXPECT_EQ(cache.entryCount(), 0);
}

TEST(ImageCache, CleanUpKeepsWhatTheDocumentUsesOncePerElement)
{
    ImageCache cache;
    cache.add("Gumppic1.bmp", art(10, 10));
    cache.add("Resizepic20309200.bmp", art(20, 30));
    cache.add("Resizepic40309200.bmp", art(40, 30));   // an old size
    cache.add("TEXT95Hi", ElementBitmap(solid(8, 21, 0xFFFFFFFFu), TransparentColor::Text));
    cache.add("Button1.bmp", art(5, 6));

    QStringList lines = page({text("95", "Hi"), gumppic("1.bmp"), resizepic("9200.bmp", "20", "30"),
                              gumppic("1.bmp"), button("1.bmp"), text("95", "gumppic")});
    lines += page({gumppic("1.bmp"), gumppic("unknown.bmp")});
    lines << "LOCATION" << "10" << "10";
    cache.cleanUp(lines);

    EXPECT_EQ(cache.indexLines(), QStringList({
        "TEXT95Hi", "0", "8", "21",
        "Gumppic1.bmp", "21", "10", "10",
        "Resizepic20309200.bmp", "31", "20", "30",
        "Gumppic1.bmp", "61", "10", "10",
        "Button1.bmp", "71", "5", "6",
        "Gumppic1.bmp", "77", "10", "10",
    }));
    EXPECT_EQ(cache.stripWidth(), 20);
    EXPECT_EQ(cache.stripHeight(), 87);
    EXPECT_EQ(cache.lookup("Gumppic1.bmp")->top, 21);
    EXPECT_FALSE(cache.lookup("Resizepic40309200.bmp"));
    // The text's transparent colour travels with it.
    EXPECT_EQ(cache.lookup("TEXT95Hi")->bitmap.transparentColor(), TransparentColor::Text);

    // A record cut short at the end of the document does no harm.
    cache.cleanUp({"{BOP", "0", "resizepic", "0"});
    EXPECT_EQ(cache.entryCount(), 0);
    EXPECT_EQ(cache.stripHeight(), 0);
}

TEST(ImageCache, ForgetAllEmptiesTheIndexButNotTheStrip)
{
    ImageCache cache;
    cache.add("Gumppic1.bmp", art(10, 10));
    cache.add("Gumppic2.bmp", art(12, 4));
    cache.forgetAll();
    EXPECT_TRUE(cache.indexLines().isEmpty());
    EXPECT_FALSE(cache.lookup("Gumppic1.bmp"));

    // Until the next clean-up new images are stacked below the forgotten ones.
    cache.add("Gumppic1.bmp", art(3, 3));
    EXPECT_EQ(cache.indexLines(), QStringList({"Gumppic1.bmp", "14", "3", "3"}));
    cache.cleanUp(page({gumppic("1.bmp"), gumppic("2.bmp")}));
    EXPECT_EQ(cache.indexLines(), QStringList({"Gumppic1.bmp", "0", "3", "3"}));
}

TEST(ElementBitmap, SeeThroughFormIsMadeOnceWithTheKindsColour)
{
    QImage image = solid(3, 1, 0xFF000000u);
    image.setPixel(1, 0, 0xFFFFFFFFu);
    image.setPixel(2, 0, 0xFF102030u);

    const ElementBitmap artBitmap(image, TransparentColor::of(ElementKind::Gumppic));
    const QImage &seeThrough = artBitmap.seeThrough();
    ASSERT_EQ(seeThrough.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(seeThrough.pixel(0, 0)), 0);
    EXPECT_EQ(seeThrough.pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(seeThrough.pixel(2, 0), 0xFF102030u);
    const ElementBitmap copy = artBitmap;
    EXPECT_EQ(copy.seeThrough().constBits(), seeThrough.constBits());
    EXPECT_EQ(&artBitmap.forDrawing(false), &artBitmap.image());

    const ElementBitmap textBitmap(image, TransparentColor::of(ElementKind::Text));
    EXPECT_EQ(textBitmap.seeThrough().pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(qAlpha(textBitmap.seeThrough().pixel(1, 0)), 0);

    EXPECT_TRUE(ElementBitmap().seeThrough().isNull());
}

TEST(ImageCache, TheLeastRecentlyUsedEntryGoesFirst)
{
    ImageCache cache;
    cache.setByteBudget(3 * 100 * 4);   // three 10 x 10 images
    cache.add("GumppicA.bmp", art(10, 10));
    cache.add("GumppicB.bmp", art(10, 10));
    cache.add("GumppicC.bmp", art(10, 10));
    ASSERT_TRUE(cache.lookup("GumppicA.bmp"));   // A used after B and C were added
    cache.add("GumppicD.bmp", art(10, 10));
    EXPECT_TRUE(cache.lookup("GumppicA.bmp"));
    EXPECT_FALSE(cache.lookup("GumppicB.bmp"));
    EXPECT_TRUE(cache.lookup("GumppicC.bmp"));
    EXPECT_TRUE(cache.lookup("GumppicD.bmp"));
    // Now C is the one used longest ago.
    cache.lookup("GumppicA.bmp");
    cache.lookup("GumppicD.bmp");
    cache.add("GumppicE.bmp", art(10, 10));
    EXPECT_FALSE(cache.lookup("GumppicC.bmp"));
    EXPECT_EQ(cache.entryCount(), 3);
    EXPECT_LE(cache.bytesHeld(), 3 * 100 * 4);
    // The strip is laid out again without gaps.
    EXPECT_EQ(cache.stripHeight(), 30);
}
