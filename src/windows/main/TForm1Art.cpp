// The main window's part in growing the art library from the game client:
// the whole library (Tools), and the gump pairs an imported dialog's buttons
// keep because the library lacked them.
#include "windows/main/TForm1.h"

#include "assets/BitmapFontFile.h"
#include "document/KeptButtonPairs.h"
#include "sphere/ButtonArtMatcher.h"
#include "windows/art/ArtLibraryWindow.h"
#include "windows/widgets/Modal.h"

// The art library of AppDir grows from the client the options name; what it
// adds is drawn, listed and offered at once.
void TForm1::BuildArtLibrary1Click()
{
    const QString client = settings().client.trimmed();
    if (client.isEmpty()) {
        Modal::warning(QStringLiteral("Choose the game client folder in Options first"));
        return;
    }
    ArtLibraryBuilder::Options options;
    options.clientDir = client;
    options.dataDir = m_state.AppDir;
    buildArtLibrary(options);
}

bool TForm1::buildArtLibrary(const ArtLibraryBuilder::Options &options)
{
    if (!BuildLibraryWindow)   // made when first asked for: most sessions never build
        BuildLibraryWindow = new ArtLibraryWindow(this);
    BuildLibraryWindow->setOptions(options);
    Modal::exec(*BuildLibraryWindow);
    if (!BuildLibraryWindow->report())
        return false;
    if (BuildLibraryWindow->report()->fontGlyphs > 0)   // there was none before: texts can be drawn now
        m_renderer.loadFont(m_state.AppDir + BitmapFontFile::FileName);
    m_renderer.forgetCache();
    TEXTIDXTimer();
    m_view.invalidate();
    DRAWClick();
    return true;
}

// Buttons the import kept as gump pairs: with a client named, the pairs can
// join the library, and the buttons then use that art like any other.
void TForm1::offerKeptButtonPairs()
{
    const QList<std::pair<int, int>> pairs = KeptButtonPairs::in(m_state.DATA.lines());
    const QString client = settings().client.trimmed();
    if (pairs.isEmpty() || client.isEmpty())
        return;
    const bool one = pairs.size() == 1;
    const QString question = QStringLiteral("%1 gump %2 of this dialog's buttons %3 not in the art library. Add %4 "
                                            "from the game client?")
                                 .arg(pairs.size())
                                 .arg(one ? QStringLiteral("pair") : QStringLiteral("pairs"),
                                      one ? QStringLiteral("is") : QStringLiteral("are"),
                                      one ? QStringLiteral("it") : QStringLiteral("them"));
    if (!Modal::confirm(question))
        return;
    ArtLibraryBuilder::Options options;
    options.clientDir = client;
    options.dataDir = m_state.AppDir;
    options.onlyButtons.assign(pairs.cbegin(), pairs.cend());
    if (!buildArtLibrary(options))
        return;
    ButtonArtMatcher library(m_state.AppDir);
    if (KeptButtonPairs::useLibraryArt(m_state, [&](int up, int down) { return library.pairArt(up, down); }))
        DRAWClick();
}
