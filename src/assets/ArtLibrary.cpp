#include "assets/ArtLibrary.h"
#include "platform/ArtFolders.h"
#include "platform/CappedFile.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>


namespace ArtLibrary {

namespace {

void checkName(const QString &name, const QString &what)
{
    if (name.trimmed().isEmpty() || name.contains(u'/') || name.contains(u'\\') || name.contains(QStringLiteral("..")))
        throw Refused(QStringLiteral("The %1 must not be empty or hold \"/\", \"\\\" or \"..\"").arg(what));
}

void checkHex(const QString &digits, const QString &what)
{
    if (!NumberText::tryParseHex(digits.trimmed()))
        throw Refused(QStringLiteral("The %1 must be a hexadecimal number").arg(what));
}

// The source picture as bitmap file bytes, with the toolkit's messages.
QByteArray bitmapOf(const QString &source)
{
    const QString extension = QFileInfo(source).suffix();
    const QList<QByteArray> known = QImageReader::supportedImageFormats();
    if (extension.isEmpty() || !known.contains(extension.toLower().toLatin1()))
        throw RuntimeError(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError::cannotOpen(source);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError(QStringLiteral("Bitmap image is not valid"));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        throw RuntimeError(QStringLiteral("Bitmap image is not valid"));
    return bytes;
}

// The picture goes in only after its decoder: a failure on the way never
// leaves a picture without the decoder it needs, and a decoder that was
// replaced gets its old text back.
void writeButtonPair(const QString &picturePath, const QByteArray &picture, const QString &decoderPath,
                     const QByteArray &decoder)
{
    const CappedFile::Result old = CappedFile::read(decoderPath);
    SafeFile::write(decoderPath, decoder);
    try {
        SafeFile::write(picturePath, picture);
    } catch (...) {
        if (old.outcome == CappedFile::Outcome::Read)
            SafeFile::write(decoderPath, old.bytes);
        else
            QFile::remove(decoderPath);
        throw;
    }
}

} // namespace

void addButton(const QString &appDir, const QString &source, const QString &name, const QString &up,
               const QString &down)
{
    checkName(name, QStringLiteral("name"));
    checkHex(up, QStringLiteral("up gump"));
    checkHex(down, QStringLiteral("down gump"));
    const QByteArray picture = bitmapOf(source);
    const QString &folder = ArtFolders::Buttons;
    const QByteArray decoder = up.trimmed().toLatin1() + "\r\n" + down.trimmed().toLatin1() + "\r\n";
    writeButtonPair(PathResolver::resolve(appDir, folder + name + QStringLiteral(".Bmp")), picture,
                    PathResolver::resolve(appDir, folder + name + QStringLiteral(".CS")), decoder);
}

void addPicture(const QString &appDir, const QString &source, const QString &gump)
{
    checkName(gump, QStringLiteral("gump number"));
    checkHex(gump, QStringLiteral("gump number"));
    const QByteArray picture = bitmapOf(source);
    SafeFile::write(PathResolver::resolve(appDir, ArtFolders::Pictures + gump.trimmed() + QStringLiteral(".Bmp")),
                    picture);
}

} // namespace ArtLibrary
