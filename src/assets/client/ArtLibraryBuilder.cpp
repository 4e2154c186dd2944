#include "assets/client/ArtLibraryBuilder.h"
#include "assets/ArtStore.h"
#include "assets/FontWriter.h"
#include "assets/HueLibrary.h"
#include "assets/ResizepicComposer.h"
#include "assets/client/GumpArt.h"
#include "assets/client/HuesFile.h"
#include "assets/client/UnicodeFont.h"
#include "platform/ArtFolders.h"
#include "platform/ColorText.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"
#include "platform/SphereNumber.h"
#include "platform/TextFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

QString hexName(int number)
{
    return QString::number(number, 16).toUpper();
}

void writeAtomically(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    SafeFile::write(path, bytes);
}

QByteArray bmpBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

// The first pair of an up gump is named by the up gump alone; every other
// down gump of it gets "UP_DOWN", so each pair keeps a decoder of its own.
// A decoder an earlier build left under the plain name keeps it.
QString buttonName(const QString &dataDir, int up, int down, QSet<int> &upsNamed)
{
    const QString plain = hexName(up);
    const QString pair = plain + u'_' + hexName(down);
    if (upsNamed.contains(up))
        return pair;
    const QString earlier = PathResolver::resolve(dataDir, ArtFolders::Buttons + plain + QStringLiteral(".cs"));
    if (QFileInfo::exists(earlier)) {
        QStringList decoder;
        try {
            decoder = TextFile::readLines(earlier);
        } catch (const RuntimeError &) {
        }
        if (decoder.size() < 2 || NumberText::tryParseHex(decoder[1].trimmed()) != down)
            return pair;
    }
    upsNamed.insert(up);
    return plain;
}

class Writer
{
public:
    Writer(const QString &dataDir, ArtLibraryBuilder::Report &report) : m_dir(dataDir), m_report(report) {}

    // false when the file was there already and is kept.
    bool write(const QString &relative, const QByteArray &bytes)
    {
        const QString path = PathResolver::resolve(m_dir, relative);
        if (QFileInfo::exists(path)) {
            ++m_report.filesKept;
            return false;
        }
        writeAtomically(path, bytes);
        return true;
    }

private:
    QString m_dir;
    ArtLibraryBuilder::Report &m_report;
};

// Appends an entry for every client hue whose number no entry carries yet:
// the new sections go to the end of the file in one write, then TOTAL is
// raised (one rewrite per entry would take minutes for 3,000 hues).
int appendHues(const QString &dataDir, const std::vector<ClientHue> &hues)
{
    if (hues.size() < 2)
        return 0;
    const HueLibrary library(dataDir);
    const QHash<QString, int> known = library.firstEntries();
    int total = std::max(0, library.total());
    if (!QFileInfo::exists(library.path()))
        total = 0;
    QByteArray added;
    int count = 0;
    for (size_t n = 1; n < hues.size(); ++n) {
        const QString sphere = QString::number(n);
        if (known.contains(sphere))
            continue;
        const QString name = hues[n].name.isEmpty() ? QStringLiteral("Hue %1").arg(n) : hues[n].name;
        const QRgb rgb = HuesFile::textColour(hues, int(n));
        const ColorValue colour = ColorValue(qRed(rgb)) | ColorValue(qGreen(rgb)) << 8 | ColorValue(qBlue(rgb)) << 16;
        ++count;
        added += QStringLiteral("[%1]\r\nNAME=%2\r\nCOLOR=%3\r\nSPHERE=%4\r\n")
                     .arg(total + count).arg(name, ColorText::toText(colour), sphere).toLatin1();
    }
    if (count == 0)
        return 0;
    QByteArray bytes;
    QFile old(library.path());
    if (old.open(QIODevice::ReadOnly))
        bytes = old.readAll();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n";
    writeAtomically(library.path(), bytes + added);
    IniFile(library.path()).writeString(QStringLiteral("NORMALS"), QStringLiteral("TOTAL"), QString::number(total + count));
    return count;
}

// UO0.CORE drawn from the unicode font the client draws gump texts with,
// at the very path the designer loads it from (not a case variant of it);
// left alone when the user has one.
void writeFont(const ArtLibraryBuilder::Options &options, ArtLibraryBuilder::Report &report)
{
    const QString path = QDir(options.dataDir).filePath(BitmapFontFile::FileName);
    if (QFileInfo::exists(path)) {
        ++report.filesKept;
        return;
    }
    const UnicodeFont font = UnicodeFont::load(options.clientDir);
    if (font.isEmpty())
        return;
    const UnicodeFont::BitmapGlyphs drawn = font.bitmapGlyphs();
    report.fontGlyphsMissing = drawn.missing;
    if (drawn.glyphs.isEmpty())
        return;
    writeAtomically(path, FontWriter::encode(drawn.glyphs));
    report.fontGlyphs = int(drawn.glyphs.size());
}

} // namespace

QString ArtLibraryBuilder::Report::summary() const
{
    QString font;
    if (fontGlyphs > 0) {
        font = QStringLiteral("; %1 of %2 glyphs written").arg(BitmapFontFile::FileName).arg(fontGlyphs);
        if (fontGlyphsMissing > 0)
            font += QStringLiteral(" (%1 not in the client's font)").arg(fontGlyphsMissing);
    }
    return QStringLiteral("buttons %1, backgrounds %2, hues %3 added%4; %5 files kept; %6 numbers not in the client; "
                          "%7 gumps cannot be read")
        .arg(buttonsWritten).arg(backgroundsWritten).arg(huesAdded).arg(font).arg(filesKept).arg(missing).arg(undecodable);
}

const std::vector<std::pair<int, int>> &ArtLibraryBuilder::stockButtons()
{
    static const std::vector<std::pair<int, int>> pairs = {
        {0xF7, 0xF8}, {0xF2, 0xF1}, {0xFA5, 0xFA7}, {0xFAE, 0xFB0}, {0xFB1, 0xFB3}, {4023, 4025},
        {0xD2, 0xD3}, {0xD0, 0xD1}, {250, 251}, {252, 253}, {0x15E3, 0x15E7}, {0x15E1, 0x15E5},
    };
    return pairs;
}

const std::vector<int> &ArtLibraryBuilder::commonBackgrounds()
{
    static const std::vector<int> numbers = {83, 2520, 2600, 2620, 3000, 3500, 3600, 5054, 5100, 5120, 5150,
                                             9200, 9250, 9260, 9270, 9300, 9350, 9380, 9400, 9450, 9500};
    return numbers;
}

void ArtLibraryBuilder::scanScript(const QByteArray &text, ScriptArt &into)
{
    for (QByteArray line : text.split('\n')) {
        const qsizetype comment = line.indexOf("//");
        if (comment >= 0)
            line.truncate(comment);
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.isEmpty())
            continue;
        const QByteArray word = words[0].toLower();
        const auto number = [&](int i) {
            return i < words.size() ? SphereNumber::tryParse(QString::fromLatin1(words[i])) : std::nullopt;
        };
        // Check boxes and radios take their two states from a button entry too.
        if ((word == "button" || word == "buttontileart" || word == "checkbox" || word == "radio")
            && words.size() >= 5) {
            const auto up = number(3), down = number(4);
            if (up && down && *up >= 0 && *down >= 0 && *up < (1 << 24) && *down < (1 << 24))
                into.buttons.insert({int(*up), int(*down)});
        } else if (word == "resizepic" && words.size() >= 4) {
            const auto id = number(3);
            if (id && *id >= 0 && *id < (1 << 24))
                into.backgrounds.insert(int(*id));
        }
    }
}

ArtLibraryBuilder::Report ArtLibraryBuilder::build(const Options &options, const Progress &progress,
                                                   const std::atomic<bool> *cancel)
{
    const auto art = GumpArt::open(options.clientDir);
    if (!art)
        throw RuntimeError(QStringLiteral("No gump art (%1 or %2 and %3) in %4")
                               .arg(GumpArt::UopName, GumpArt::IndexName, GumpArt::DataName, options.clientDir));
    ScriptArt wanted;
    const bool onlyButtons = !options.onlyButtons.empty();
    for (const auto &pair : onlyButtons ? options.onlyButtons : stockButtons())
        wanted.buttons.insert(pair);
    if (!onlyButtons)
        wanted.backgrounds.insert(commonBackgrounds().begin(), commonBackgrounds().end());
    for (const QString &dir : onlyButtons ? QStringList() : options.scriptDirs) {
        for (const QString &name : PathResolver::filesWithExtension(dir, QStringLiteral(".scp"))) {
            QFile file(QDir(dir).filePath(name));
            if (file.open(QIODevice::ReadOnly) && file.size() < (qint64(64) << 20))
                scanScript(file.readAll(), wanted);
        }
    }
    const std::vector<ClientHue> hues = onlyButtons ? std::vector<ClientHue>() : HuesFile::load(options.clientDir);

    Report report;
    Writer writer(options.dataDir, report);
    const int total = int(wanted.buttons.size() + wanted.backgrounds.size()) + (onlyButtons ? 0 : 2); // + hues, font
    int done = 0;
    const auto step = [&] {
        if (progress)
            progress(++done, total);
        return !(cancel && cancel->load());
    };

    QSet<int> upsNamed;
    for (const auto &[up, down] : wanted.buttons) {
        const QImage picture = art->decode(up);
        if (picture.isNull()) {
            ++report.missing;
        } else {
            // Spelt as the designer's own button windows make the folder: a
            // fresh library gets DATA/buttons/, not a second, lower-case data/.
            const QString stem = ArtFolders::Buttons + buttonName(options.dataDir, up, down, upsNamed);
            const bool wrote = writer.write(stem + QStringLiteral(".bmp"), bmpBytes(picture));
            writer.write(stem + QStringLiteral(".cs"),
                         (hexName(up) + QStringLiteral("\r\n") + hexName(down) + QStringLiteral("\r\n")).toLatin1());
            report.buttonsWritten += wrote;
        }
        if (!step())
            return report.cancelled = true, report;
    }

    for (const int number : wanted.backgrounds) {
        ResizepicPieces pieces;
        bool complete = true;
        for (int k = 0; k < 9; ++k) {
            pieces[size_t(k)] = art->decode(number + k);
            complete = complete && !pieces[size_t(k)].isNull();
        }
        if (!complete) {
            ++report.missing;
        } else {
            const QString name = QString::number(number) + QStringLiteral(".bmp");
            for (int k = 0; k < 9; ++k)
                writer.write(ArtFolders::Backgrounds + ArtStore::pieceFileName(name, k), bmpBytes(pieces[size_t(k)]));
            // The preview: the background at three tiles of its centre each way.
            const int w = pieces[0].width() + pieces[2].width() + 3 * pieces[4].width();
            const int h = pieces[0].height() + pieces[6].height() + 3 * pieces[4].height();
            report.backgroundsWritten += writer.write(ArtFolders::Backgrounds + name,
                                                      bmpBytes(ResizepicComposer::compose(pieces, std::min(w, 512), std::min(h, 512))));
        }
        if (!step())
            return report.cancelled = true, report;
    }

    if (onlyButtons) {
        report.undecodable = art->undecodable();
        return report;
    }
    report.huesAdded = appendHues(options.dataDir, hues);
    if (!step())
        return report.cancelled = true, report;
    writeFont(options, report);
    step();
    report.undecodable = art->undecodable();
    return report;
}
