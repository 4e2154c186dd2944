// The main window's side of the start-up window and "Next Version".
#include "assets/BitmapFontFile.h"
#include "net/HTTPGet.h"
#include "windows/main/TForm1.h"
#include "windows/options/TForm12.h"
#include "windows/update/TForm15.h"
#include "windows/update/TForm16.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"

#include <QAction>

void TForm1::connectStartup()
{
    Form15->NewsWindow = Form16;
    Form15->ReadSettings = [this] {
        Form12->ReadSettings();
        Form15->Server.setBase(settings().server);
        Form15->ShowNews = settings().showNews;
        Form15->CheckUpdates = settings().checkUpdates;
    };
    Form15->LoadFont = [this] { m_renderer.loadFont(m_state.AppDir + BitmapFontFile::FileName); };
    Form15->CloseProgram = [this] { close(); };

    HTTPGet1 = new THTTPGet(this);
    HTTPGet1->WaitThread = true;
    HTTPGet1->OnDoneFile = [this](auto &&...) { EventGuard::run([this] { HTTPGet1DoneFile(); }); };
    HTTPGet1->OnError = [this](auto &&...) { EventGuard::run([this] { HTTPGet1Error(); }); };
    EventGuard::connect(NextVersion1, &QAction::triggered, this, &TForm1::NextVersion1Click);
}

void TForm1::NextVersion1Click()
{
    const auto address = Form15->Server.addressOf(QStringLiteral("Insite.txt"));
    if (!address) {
        HTTPGet1Error();   // no server configured: no traffic
        return;
    }
    HTTPGet1->URL = *address;
    HTTPGet1->FileName = m_state.AppDir + QStringLiteral("VER.TEMP");
    HTTPGet1->GetFile();
}

void TForm1::HTTPGet1DoneFile()
{
    Form16->showFile(HTTPGet1->FileName, false);
}

void TForm1::HTTPGet1Error()
{
    Modal::warning(QStringLiteral("Unable to get the Next version info"));
}
