#include "assets/ArtStore.h"
#include "assets/BitmapFile.h"
#include "assets/client/GumpArt.h"
#include "platform/ArtFolders.h"
#include "platform/FileNameText.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/TextFile.h"

#include <QFileInfo>

QString ArtStore::resolve(const QString &relative) const
{
    // Art lies in the DATA tree and nowhere else: a name that climbs out, or a
    // link that leads out, names no file.
    return PathResolver::resolveInData(m_appDir, relative);
}

bool ArtStore::knownMissing(const QString &relative) const
{
    return m_presence && m_presence->lacks(m_appDir, relative);
}

bool ArtStore::isArtName(const QString &fileName)
{
    return PathResolver::staysInside(fileName);
}

QString ArtStore::gumppicPath(const QString &fileName) const
{
    return resolve(ArtFolders::Pictures + fileName);
}

QString ArtStore::buttonPath(const QString &fileName) const
{
    return resolve(ArtFolders::Buttons + fileName);
}

QString ArtStore::pieceFileName(const QString &fileName, int piece)
{
    return QString::number(piece) + FileNameText::withExtension(fileName, QStringLiteral(".bm"));
}

QString ArtStore::resizepicPiecePath(const QString &fileName, int piece) const
{
    return resolve(ArtFolders::Backgrounds + pieceFileName(fileName, piece));
}

int ArtStore::gumpNumberOf(const QString &fileName)
{
    if (!fileName.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return -1;
    const QString digits = fileName.chopped(4);
    if (digits.isEmpty() || digits.size() > 7)
        return -1;
    bool ok = false;
    const int number = digits.toInt(&ok, 16);
    return ok && !digits.startsWith(u'-') && !digits.startsWith(u'+') ? number : -1;
}

QImage ArtStore::gumppic(const QString &fileName) const
{
    if (knownMissing(ArtFolders::Pictures + fileName)) {
        const int number = m_client ? gumpNumberOf(fileName) : -1;
        return number >= 0 ? m_client->decode(number) : QImage();
    }
    const QString path = gumppicPath(fileName);
    // Files under DATA/ win over the client's gumps.
    if (m_client && !QFileInfo::exists(path)) {
        const int number = gumpNumberOf(fileName);
        if (number >= 0)
            return m_client->decode(number);
    }
    return BitmapFile::load(path);
}

QImage ArtStore::button(const QString &fileName) const
{
    if (knownMissing(ArtFolders::Buttons + fileName))
        return QImage();
    return BitmapFile::load(buttonPath(fileName));
}

std::optional<std::pair<int, int>> ArtStore::buttonGumps(const QString &fileName) const
{
    if (knownMissing(ArtFolders::buttonDecoder(fileName)))
        return std::nullopt;
    const QString path = resolve(ArtFolders::buttonDecoder(fileName));
    if (path.isEmpty())
        return std::nullopt;
    QStringList lines;
    try {
        lines = TextFile::readLines(path);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
    if (lines.size() < 2)
        return std::nullopt;
    const auto up = NumberText::tryParseHex(lines[0].trimmed()), down = NumberText::tryParseHex(lines[1].trimmed());
    if (!up || !down)
        return std::nullopt;
    return std::pair{*up, *down};
}

ResizepicPieces ArtStore::resizepicPieces(const QString &fileName) const
{
    ResizepicPieces pieces;
    for (int k = 0; k < int(pieces.size()); ++k)
        if (!knownMissing(ArtFolders::Backgrounds + pieceFileName(fileName, k)))
            pieces[size_t(k)] = BitmapFile::load(resizepicPiecePath(fileName, k));
    return pieces;
}

QImage ArtStore::resizepic(const QString &fileName, int width, int height) const
{
    return ResizepicComposer::compose(resizepicPieces(fileName), width, height);
}

QImage ArtStore::resizepic(const QString &fileName, int width, int height, const QRect &part) const
{
    return ResizepicComposer::compose(resizepicPieces(fileName), width, height, part);
}
