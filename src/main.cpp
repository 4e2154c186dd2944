#include "app/AppInfo.h"
#include "app/forms/TForm1.h"
#include "ui/forms/FirstPaintClock.h"
#include "ui/forms/ImageView.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

int main(int argc, char **argv)
{
    FirstPaintClock clock;
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::Title);

    // The main window creates the other seventeen; its start-up runs once
    // the event loop does.
    TForm1 form1;
    if (const QStringList args = QApplication::arguments(); args.size() > 1)
        form1.StartFile = args.at(1);
    form1.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form1.size(),
                                          QGuiApplication::primaryScreen()->availableGeometry()));
    if (FirstPaintClock::wanted())
        clock.watch(form1.Image1);
    form1.show();
    return app.exec();
}
