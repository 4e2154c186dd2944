#include "platform/DataFolder.h"
#include "platform/RuntimeError.h"
#include "windows/main/ProgramIdentity.h"
#include "windows/main/TForm1.h"
#include "windows/widgets/FirstPaintClock.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/Modal.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace {

// Ends the program once start-up is done: for checks of an install, which
// start the designer without anyone to close it.
const QString QuitAfterStart = QStringLiteral("--quit-after-start");

// AppDir by the data folder rule; the current folder when the user's own
// folder cannot be made.
QString chooseDataFolder()
{
    try {
        return DataFolder::forThisProgram().path;
    } catch (const RuntimeError &e) {
        Modal::warning(e.message());
        return QDir::currentPath();
    }
}

} // namespace

int main(int argc, char **argv)
{
    FirstPaintClock clock;
    QApplication app(argc, argv);
    ProgramIdentity::apply();

    QStringList args = QApplication::arguments().mid(1);
    const bool quitAfterStart = args.removeAll(QuitAfterStart) > 0;

    // The main window creates the other seventeen; its start-up runs once
    // the event loop does.
    TForm1 form1;
    if (!args.isEmpty())
        form1.StartFile = QFileInfo(args.first()).absoluteFilePath();
    form1.StartDataFolder = chooseDataFolder();
    if (quitAfterStart)
        QObject::connect(&form1, &TForm1::started, &app, &QApplication::quit, Qt::QueuedConnection);
    form1.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form1.size(),
                                          QGuiApplication::primaryScreen()->availableGeometry()));
    if (FirstPaintClock::wanted())
        clock.watch(form1.control<ImageView>(QStringLiteral("Image1")));
    form1.show();
    return app.exec();
}
