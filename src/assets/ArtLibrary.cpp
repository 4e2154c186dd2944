#include "assets/ArtLibrary.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <utility>
#include <vector>

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

// Writes every file beside its place first and renames them into place only
// when all were written; the last one named is renamed first, so a button's
// decoder is in place before its picture appears.
void writeWhole(const std::vector<std::pair<QString, QByteArray>> &files)
{
    std::vector<QString> aside;
    const auto cleanUp = [&] {
        for (const QString &p : aside)
            QFile::remove(p);
    };
    for (const auto &[path, bytes] : files) {
        const QString temp = path + QStringLiteral(".new");
        aside.push_back(temp);
        QFile out(temp);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            cleanUp();
            throw RuntimeError::cannotCreate(path);
        }
        if (out.write(bytes) != bytes.size() || !out.flush()) {
            out.close();
            cleanUp();
            throw RuntimeError::unableToWrite(path);
        }
        out.close();
    }
    for (std::size_t i = files.size(); i-- > 0;) {
        if (std::rename(QFile::encodeName(aside[i]).constData(), QFile::encodeName(files[i].first).constData()) != 0) {
            cleanUp();
            throw RuntimeError::unableToWrite(files[i].first);
        }
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
    const QString folder = QStringLiteral("DATA/buttons/");
    const QByteArray decoder = up.trimmed().toLatin1() + "\r\n" + down.trimmed().toLatin1() + "\r\n";
    writeWhole({{PathResolver::resolve(appDir, folder + name + QStringLiteral(".Bmp")), picture},
                {PathResolver::resolve(appDir, folder + name + QStringLiteral(".CS")), decoder}});
}

void addPicture(const QString &appDir, const QString &source, const QString &gump)
{
    checkName(gump, QStringLiteral("gump number"));
    checkHex(gump, QStringLiteral("gump number"));
    const QByteArray picture = bitmapOf(source);
    writeWhole({{PathResolver::resolve(appDir, QStringLiteral("DATA/") + gump.trimmed() + QStringLiteral(".Bmp")),
                 picture}});
}

} // namespace ArtLibrary
