#include "DesignGenerator.h"

#include "ReplyModel.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QRegularExpression>
#include <QProcess>

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
        "line\r\nbreak", "lone\nfeed", "lone\rreturn", QStringLiteral("nul%1inside").arg(QChar(0)),
        QStringLiteral("%1leading nul").arg(QChar(0)), "tabs\t\tmany", "\t",
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
    // Up to and past the server's line of 4095 bytes.
    if (chance(2)) {
        static const QList<int> lengths = {255, 256, 4000, 4094, 4095, 4096, 4200};
        const QString piece = chance(50) ? QStringLiteral("x") : QStringLiteral("é");
        return QString(pick(lengths) / int(piece.toUtf8().size()), piece[0]);
    }
    QString t = pick(hostileTexts());
    if (chance(25))
        t += pick(hostileTexts());
    return t;
}

QString DesignGenerator::marker()
{
    return ReplyModel::markerLine(QString::number(++m_markers));
}

QString DesignGenerator::events()
{
    QStringList lines{marker()};
    const int count = below(3);
    for (int k = 0; k < count; ++k) {
        if (chance(60)) {
            lines << marker();
        } else if (chance(25) && !(m_switchIds.isEmpty() && m_entryIds.isEmpty())) {
            // What the reply carries: a switch's state or an entry's text.
            const bool entry = m_switchIds.isEmpty() || (!m_entryIds.isEmpty() && chance(50));
            lines << marker() + (entry ? QStringLiteral(" <argtxt %1>").arg(pick(m_entryIds))
                                       : QStringLiteral(" <argchk %1>").arg(pick(m_switchIds)));
        } else {
            lines << pick(hostileEventLines());
        }
    }
    if (chance(50))
        lines << marker();
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
    switch (below(15)) {
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
        const QString close = flag();
        // A button that switches pages mostly names one the design has.
        const QString target = close != u"0" || m_pageNumbers.isEmpty() || chance(20)
                                   ? (chance(80) ? QStringLiteral("0") : number())
                                   : pick(m_pageNumbers);
        return {"button", position(), position(), buttonArt(), close, target, eventsFlag,
                eventsFlag.startsWith(u'1') ? events() : QString()};
    }
    case 5:
        return {"htmlgump", position(), position(), size(), size(), flag(), flag(), text()};
    case 6:
        return {"croppedtext", position(), position(), size(), size(), hue(), text()};
    case 7: {
        const QString id = number();
        const QString initial = text();
        // Only plain texts are echoed by markers: the reply carries them as they stand.
        static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z ]*[A-Za-z]$"));
        if (id.toInt() > 0 && QString::number(id.toInt()) == id && plain.match(initial).hasMatch())
            m_entryIds << id.toInt();
        return {"textentry", position(), position(), size(), size(), hue(), id,
                chance(50) ? QStringLiteral("0") : number(), initial};
    }
    case 8:
    case 9: {
        const QString id = number();
        if (id.toInt() > 0 && QString::number(id.toInt()) == id)
            m_switchIds << id.toInt();
        if (below(2) == 0)
            return {"checkbox", position(), position(), buttonArt(), flag(), id};
        return {"radio", position(), position(), buttonArt(), flag(), id, QString::number(below(3))};
    }
    case 10:
        return {"gumppictiled", position(), position(), size(), size(), picture()};
    case 11:
        return {"tilepic", position(), position(), number(), chance(50) ? QStringLiteral("0") : hue()};
    case 12:
        return {"checkertrans", position(), position(), size(), size()};
    case 13:
        return {"gumppichue", position(), position(), picture(), hue()};
    default:
        return {"xmfhtmlgump", position(), position(), size(), size(), chance(80) ? "1011036" : number(), flag(),
                flag(), chance(50) ? QStringLiteral("0") : number()};
    }
}

// The page numbers of a design's brackets, and those a button may switch to.
QStringList DesignGenerator::pageNumbers()
{
    static const QStringList pages = {"0", "0", "1", "2", "3", "-1", "01"};
    const int pageCount = 1 + below(3);
    QStringList numbers;
    m_pageNumbers.clear();
    for (int p = 0; p < pageCount; ++p) {
        numbers << (p == 0 && chance(80) ? QStringLiteral("0") : pick(pages));
        if (numbers.last().toInt() > 0 && !numbers.last().startsWith(u'0'))
            m_pageNumbers << numbers.last();
    }
    return numbers;
}

GeneratedDesign DesignGenerator::next()
{
    if (chance(33))
        return logicDesign();
    return {design(), {}, {}};
}

QStringList DesignGenerator::design()
{
    QStringList lines;
    const QStringList numbers = pageNumbers();
    const int pageCount = int(numbers.size());
    // Now and then more texts, or more replies, than the server numbers.
    const int many = chance(1) ? 256 + below(20) : 0;
    const bool manyReplies = many > 0 && chance(50);
    for (int p = 0; p < pageCount; ++p) {
        lines << "{BOP" << numbers[p];
        const int count = 1 + below(5);
        for (int k = 0; k < count; ++k)
            lines << element();
        for (int k = 0; p == 0 && k < many; ++k) {
            const QString x = QString::number(k % 20 * 20), y = QString::number(k / 20 * 20);
            if (manyReplies)
                lines << QStringList{"button", x, y, "okay.bmp", "1", "0", "1", marker()};
            else
                lines << QStringList{"text", x, y, "0", QStringLiteral("t%1").arg(k)};
        }
        lines << "}EOP";
    }
    lines << "LOCATION" << position() << position();
    lines << "MISC" << QString::number(below(2)) << QString::number(below(2));
    if (chance(10))
        lines << "NODISPOSE";
    if (chance(20))
        lines << "CLOSEBLOCK" << events();
    return lines;
}

unsigned DesignGenerator::runSeed(QString *from)
{
    bool ok = false;
    const unsigned given = qEnvironmentVariable("QM_SERVER_FUZZ_SEED").toUInt(&ok);
    if (ok) {
        *from = QStringLiteral("QM_SERVER_FUZZ_SEED");
        return given;
    }
#ifdef QM_SOURCE_DIR
    QProcess git;
    git.start(QStringLiteral("git"), {QStringLiteral("-C"), QStringLiteral(QM_SOURCE_DIR), QStringLiteral("rev-parse"),
                                      QStringLiteral("HEAD")});
    if (git.waitForFinished(10000) && git.exitCode() == 0) {
        const QString commit = QString::fromLatin1(git.readAllStandardOutput()).trimmed();
        const unsigned seed = commit.left(8).toUInt(&ok, 16);
        if (ok) {
            *from = QStringLiteral("commit %1").arg(commit);
            return seed;
        }
    }
#endif
    *from = QStringLiteral("no commit");
    return 0;
}
