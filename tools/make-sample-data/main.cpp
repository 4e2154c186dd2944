#include "Backgrounds.h"
#include "Buttons.h"
#include "GlyphRenderer.h"
#include "HueLibrary.h"
#include "Pictures.h"
#include "SampleProject.h"
#include "assets/FontWriter.h"

#include "ArtImage.h"
#include "platform/ArtFolders.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// Writes the sample art library, hue library, font and project into root.
void writeSampleData(const QString &root)
{
    const QDir dir(root);
    for (const QString &sub : {ArtFolders::Buttons, ArtFolders::Backgrounds, QStringLiteral("AutoSave")})
        if (!dir.mkpath(sub))
            throw RuntimeError::cannotCreate(dir.filePath(sub));

    for (const Pictures::Picture &picture : Pictures::makeAll())
        ArtImage::saveBmp(picture.image, dir.filePath(ArtFolders::Pictures + Pictures::fileName(picture.gump)));
    for (const Buttons::Button &button : Buttons::makeAll())
        Buttons::write(button, dir.filePath(ArtFolders::Buttons));
    for (const Backgrounds::Background &background : Backgrounds::makeAll())
        Backgrounds::write(background, dir.filePath(ArtFolders::Backgrounds));

    // The hue library keeps whatever is already there; start afresh so runs agree.
    QFile::remove(dir.filePath(QStringLiteral("ColorLibary.INI")));
    HueLibrary::write(root);
    ArtImage::saveBytes(FontWriter::encode(GlyphRenderer::renderAll()), dir.filePath(QStringLiteral("UO0.CORE")));
    SampleProject::write(dir.filePath(QStringLiteral("sample.SDF")));
}

} // namespace

int main(int argc, char **argv)
{
    // Only images are drawn, never a window: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 || args[1].startsWith(u'-')) {
        err << "usage: make-sample-data OUTDIR\n"
               "Writes a sample art library (DATA/), hue library, bitmap font and project into OUTDIR.\n";
        return 2;
    }
    try {
        writeSampleData(args[1]);
    } catch (const RuntimeError &e) {
        err << e.message() << '\n';
        return 1;
    }
    return 0;
}
