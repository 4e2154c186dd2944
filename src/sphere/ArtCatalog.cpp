#include "sphere/ArtCatalog.h"
#include "document/ButtonGumps.h"

#include "assets/BitmapFile.h"
#include "platform/ArtFolders.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/TextFile.h"

#include <QFileInfo>

namespace {

QSize sizeOf(const QImage &image)
{
    return image.isNull() ? QSize() : image.size();
}

} // namespace

ArtCatalog::ArtCatalog(const QString &appDir) : m_store(appDir), m_stamps(folderStamps()) {}

std::array<QDateTime, 3> ArtCatalog::folderStamps() const
{
    const auto stamp = [this](const QString &folder) {
        return QFileInfo(PathResolver::resolve(m_store.appDir(), folder)).lastModified();
    };
    return {stamp(ArtFolders::Pictures), stamp(ArtFolders::Buttons), stamp(ArtFolders::Backgrounds)};
}

void ArtCatalog::setClientArt(std::shared_ptr<const GumpArt> client)
{
    if (client == m_store.clientArt())
        return;
    m_store.setClientArt(std::move(client));
    forget();
}

void ArtCatalog::refreshIfChanged()
{
    const auto stamps = folderStamps();
    if (stamps != m_stamps) {
        forget();
        m_stamps = stamps;
    }
}

void ArtCatalog::forget()
{
    m_gumppics.clear();
    m_buttons.clear();
    m_backgrounds.clear();
    m_decoders.clear();
}

QSize ArtCatalog::gumppicSize(const QString &fileName)
{
    if (const auto known = m_gumppics.constFind(fileName); known != m_gumppics.cend())
        return *known;
    return *m_gumppics.insert(fileName, sizeOf(m_store.gumppic(fileName)));
}

QSize ArtCatalog::buttonSize(const QString &fileName)
{
    if (const auto known = m_buttons.constFind(fileName); known != m_buttons.cend())
        return *known;
    // A kept pair is drawn from its up gump, from DATA/ or the client, as the canvas draws it.
    const auto kept = ButtonGumps::pairOf(fileName);
    const QImage picture = kept ? m_store.gumppic(ButtonGumps::pictureOf(kept->first))
                                : m_store.button(fileName);
    return *m_buttons.insert(fileName, sizeOf(picture));
}

bool ArtCatalog::hasResizepicPieces(const QString &fileName)
{
    if (const auto known = m_backgrounds.constFind(fileName); known != m_backgrounds.cend())
        return *known;
    bool all = true;
    for (int k = 0; k < 9 && all; ++k)
        all = QFileInfo(m_store.resizepicPiecePath(fileName, k)).isFile();
    return *m_backgrounds.insert(fileName, all);
}

const ArtCatalog::Decoder &ArtCatalog::decoder(const QString &artName)
{
    if (const auto known = m_decoders.constFind(artName); known != m_decoders.cend())
        return *known;
    Decoder d;
    d.relativePath = ArtFolders::buttonDecoder(artName);
    // A pair no art of the library has keeps its numbers in its name: the export needs no file.
    if (const auto kept = ButtonGumps::pairOf(artName)) {
        d.status = Decoder::Status::Ok;
        std::tie(d.up, d.down) = *kept;
        return *m_decoders.insert(artName, d);
    }
    try {
        const QStringList lines = TextFile::readLines(PathResolver::resolve(m_store.appDir(), d.relativePath));
        if (lines.size() < 2) {
            d.status = Decoder::Status::TooShort;
        } else {
            const auto up = NumberText::tryParseHex(lines[0]);
            const auto down = NumberText::tryParseHex(lines[1]);
            d.status = up && down ? Decoder::Status::Ok : Decoder::Status::NotHex;
            d.badLine = up ? lines[1] : lines[0];
            d.up = up.value_or(0);
            d.down = down.value_or(0);
        }
    } catch (const RuntimeError &) {
        d.status = Decoder::Status::Missing;
    }
    return *m_decoders.insert(artName, d);
}
