#include "DesignGenerator.h"

#include "support/FileFixtures.h"

namespace {

const QStringList &edgeNumbers()
{
    static const QStringList numbers = {"0",     "1",    "-1",  "-5",     "799",    "65535", "99999",
                                        "2147483647", "-2147483647", "010", "007", "0x10", "+5", "1.5",
                                        "abc",   "",     " 7",  "08"};
    return numbers;
}

} // namespace

void DesignGenerator::writeButtonDecoders(const QString &appDir)
{
    const struct { const char *name, *up, *down; } decoders[] = {
        {"okay", "F7", "F8"}, {"cancel", "F2", "F1"}, {"arrow", "FA5", "FA7"}, {"large", "FFFF", "10000"},
        {"zero", "0", "0"},
    };
    for (const auto &d : decoders)
        FileFixtures::writeFile(appDir + "DATA/buttons/" + d.name + ".cs",
                                QByteArray(d.up) + "\r\n" + QByteArray(d.down) + "\r\n");
}

const QStringList &DesignGenerator::hostileTexts()
{
    static const QStringList texts = {
        "Hello", "Welcome to the shard", "[ATTENTION ALL ITEMS WILL BE DELETED!!]", "[EOF]", "  [indented",
        "\t[tabbed", "see http://example.org", "a // b", "//all comment", "ON=1", "on=2", "onbutton=3", "ON 4",
        "text", "page 2", "button 1 2 3", "1152", "010", "0x1F", "-5", "  leading", "trailing  ", "tab\tinside",
        "\tleading tab", "trailing tab\t", "{ } | :", "Name:", "é à ü ß", "ğ ş ı İ", "日本語", "€ 5", "", "   ",
        "<B>bold</B>", "a < b > c", "<src.name>", "1 < 2", ".dot", "..two dots", ". dot blank", ",comma",
        "=equals", "x", "DIALOGCLOSE", "[DIALOG d_x]", "ends in à", "nbsp\u00A0", "Ġ", "  ", "a\u00A0b",
    };
    return texts;
}

const QStringList &DesignGenerator::hostileEventLines()
{
    static const QStringList lines = {
        "src.sysmessage hi", "dialogclose", "[EOF]", "  [next]", "[DIALOG d_x]", "ON=7", "onbutton=2", "On 3",
        "dialogclose // done", "src.sysmessage http://x", "// just a comment", "", "  indented", "local.x=1",
        "src.sysmessage é", "on", "once", "ONX=1",
    };
    return lines;
}

QString DesignGenerator::number()
{
    if (chance(20))
        return pick(edgeNumbers());
    return QString::number(below(400));
}

QString DesignGenerator::position() { return chance(85) ? QString::number(below(500)) : pick(edgeNumbers()); }
QString DesignGenerator::size() { return chance(85) ? QString::number(1 + below(300)) : pick(edgeNumbers()); }

QString DesignGenerator::hue()
{
    static const QStringList hues = {"0", "1152", "33", "38", "455", "995", "2999", "3000", "65535", "0480"};
    return chance(85) ? pick(hues) : pick(edgeNumbers());
}

QString DesignGenerator::flag() { return chance(90) ? QString::number(below(2)) : pick(edgeNumbers()); }

QString DesignGenerator::text()
{
    QString t = pick(hostileTexts());
    if (chance(25))
        t += pick(hostileTexts());
    return t;
}

QString DesignGenerator::events()
{
    QStringList lines;
    const int count = 1 + below(3);
    for (int k = 0; k < count; ++k)
        lines << (chance(70) ? QStringLiteral("src.sysmessage line %1").arg(k) : pick(hostileEventLines()));
    return lines.join(QStringLiteral("\r\n"));
}

QString DesignGenerator::picture()
{
    static const QStringList pictures = {"1F4.bmp", "0.bmp", "FFFF.bmp", "9C4.bmp", "DATA/1F4.bmp", "7FFFFFFF.bmp"};
    return chance(95) ? pick(pictures) : QStringLiteral("zz.bmp");
}

QString DesignGenerator::buttonArt()
{
    static const QStringList art = {"okay.bmp", "cancel.bmp", "arrow.bmp", "large.bmp", "zero.bmp"};
    return pick(art);
}

QStringList DesignGenerator::element()
{
    switch (below(14)) {
    case 0:
        return {"gumppic", position(), position(), picture()};
    case 1: {
        static const QStringList backgrounds = {"9200.bmp", "0.bmp", "3000.bmp", "2620.bmp"};
        return {"resizepic", position(), position(), chance(95) ? pick(backgrounds) : QStringLiteral("x.bmp"),
                size(), size()};
    }
    case 2:
    case 3:
        return {"text", position(), position(), hue(), text()};
    case 4: {
        static const QStringList flags = {"0", "1", "1", "1 7", "0 5", "1 1", "1 300"};
        const QString eventsFlag = pick(flags);
        return {"button", position(), position(), buttonArt(), flag(), chance(80) ? QStringLiteral("0") : number(),
                eventsFlag, eventsFlag.startsWith(u'1') ? events() : QString()};
    }
    case 5:
        return {"htmlgump", position(), position(), size(), size(), flag(), flag(), text()};
    case 6:
        return {"croppedtext", position(), position(), size(), size(), hue(), text()};
    case 7:
        return {"textentry", position(), position(), size(), size(), hue(), number(),
                chance(50) ? QStringLiteral("0") : number(), text()};
    case 8:
        return {"checkbox", position(), position(), buttonArt(), flag(), number()};
    case 9:
        return {"radio", position(), position(), buttonArt(), flag(), number(), QString::number(below(3))};
    case 10:
        return {"gumppictiled", position(), position(), size(), size(), picture()};
    case 11:
        return {"tilepic", position(), position(), number(), chance(50) ? QStringLiteral("0") : hue()};
    case 12:
        return {"checkertrans", position(), position(), size(), size()};
    default:
        return {"xmfhtmlgump", position(), position(), size(), size(), chance(80) ? "1011036" : number(), flag(),
                flag(), chance(50) ? QStringLiteral("0") : number()};
    }
}

QStringList DesignGenerator::design()
{
    QStringList lines;
    static const QStringList pages = {"0", "0", "1", "2", "3", "-1", "01"};
    const int pageCount = 1 + below(3);
    for (int p = 0; p < pageCount; ++p) {
        lines << "{BOP" << (p == 0 && chance(80) ? QStringLiteral("0") : pick(pages));
        const int count = 1 + below(5);
        for (int k = 0; k < count; ++k)
            lines << element();
        lines << "}EOP";
    }
    lines << "LOCATION" << position() << position();
    lines << "MISC" << QString::number(below(2)) << QString::number(below(2));
    if (chance(20))
        lines << "CLOSEBLOCK" << events();
    return lines;
}
