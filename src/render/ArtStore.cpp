#include "render/ArtStore.h"
#include "platform/FileNameText.h"
#include "platform/PathResolver.h"
#include "render/BitmapFile.h"

QString ArtStore::resolve(const QString &relative) const
{
    return PathResolver::resolve(m_appDir, relative);
}

QString ArtStore::gumppicPath(const QString &fileName) const
{
    return resolve(GumppicFolder + fileName);
}

QString ArtStore::buttonPath(const QString &fileName) const
{
    return resolve(ButtonFolder + fileName);
}

QString ArtStore::pieceFileName(const QString &fileName, int piece)
{
    return QString::number(piece) + FileNameText::withExtension(fileName, QStringLiteral(".bm"));
}

QString ArtStore::resizepicPiecePath(const QString &fileName, int piece) const
{
    return resolve(ResizepicFolder + pieceFileName(fileName, piece));
}

QImage ArtStore::gumppic(const QString &fileName) const
{
    return BitmapFile::load(gumppicPath(fileName));
}

QImage ArtStore::button(const QString &fileName) const
{
    return BitmapFile::load(buttonPath(fileName));
}

ResizepicPieces ArtStore::resizepicPieces(const QString &fileName) const
{
    ResizepicPieces pieces;
    for (int k = 0; k < int(pieces.size()); ++k)
        pieces[size_t(k)] = BitmapFile::load(resizepicPiecePath(fileName, k));
    return pieces;
}

QImage ArtStore::resizepic(const QString &fileName, int width, int height) const
{
    return ResizepicComposer::compose(resizepicPieces(fileName), width, height);
}
