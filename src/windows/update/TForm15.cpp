#include "windows/update/TForm15.h"
#include "net/HTTPGet.h"
#include "net/UpdateList.h"
#include "windows/update/TForm16.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace {

QTimer *oneShot(QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setInterval(1);
    return timer;
}

THTTPGet *download(QObject *parent, bool useCache, bool waitThread)
{
    auto *get = new THTTPGet(parent);
    get->UseCache = useCache;
    get->WaitThread = waitThread;
    return get;
}

int clampedInt(qint64 value)
{
    return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}

} // namespace

TForm15::TForm15(QWidget *parent) : FixedDialog(parent, QStringLiteral("System Update"))
{
    setEscapeCloses(false);
    setFixedSize(337, 84);
    Label1 = new QLabel(this);
    Label1->setGeometry(8, 4, 236, 16);
    CancelUpdate = new QPushButton(QStringLiteral("Cancel Update"), this);
    CancelUpdate->setGeometry(248, 1, 84, 22);
    CancelUpdate->hide();
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(8, 24, 321, 14);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    auto *total = new QLabel(QStringLiteral("Total Progress"), this);
    total->setGeometry(8, 42, 200, 14);
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setGeometry(8, 60, 321, 14);
    ProgressBar2->setRange(0, 4);
    ProgressBar2->setValue(0);
    ProgressBar2->setTextVisible(false);

    Timer1 = oneShot(this);
    Timer2 = oneShot(this);
    Timer3 = oneShot(this);
    HTTPGet1 = download(this, false, false);
    HTTPGet1->FileName = QStringLiteral("TEMP.UP");
    HTTPGet2 = download(this, true, false);
    HTTPGet2->FileName = QStringLiteral("Brindle.exe");
    HTTPGet3 = download(this, false, true);
    HTTPGet3->FileName = QStringLiteral("NEWS.txt");

    const auto guarded = [this](void (TForm15::*handler)()) {
        return [this, handler](auto &&...) { EventGuard::run([&] { (this->*handler)(); }); };
    };
    HTTPGet1->OnProgress = [this](QObject *, qint64 total, qint64 readed) { showDownloadProgress(total, readed); };
    HTTPGet2->OnProgress = HTTPGet1->OnProgress;
    HTTPGet1->OnDoneFile = guarded(&TForm15::HTTPGet1DoneFile);
    HTTPGet1->OnError = guarded(&TForm15::HTTPGet1Error);
    HTTPGet2->OnDoneFile = guarded(&TForm15::HTTPGet2DoneFile);
    HTTPGet2->OnError = guarded(&TForm15::HTTPGet2Error);
    HTTPGet3->OnDoneFile = guarded(&TForm15::HTTPGet3DoneFile);

    using EventGuard::connect;
    connect(Timer1, &QTimer::timeout, this, &TForm15::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm15::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TForm15::Timer3Timer);
    connect(CancelUpdate, &QPushButton::clicked, this, &TForm15::CancelUpdateClick);

    StartProgram = &TForm15::startFile;
}

TForm15::~TForm15() = default;

void TForm15::showDownloadProgress(qint64 total, qint64 readed)
{
    ProgressBar1->setMaximum(clampedInt(total));
    ProgressBar1->setValue(std::min(clampedInt(readed), ProgressBar1->maximum()));
}

void TForm15::advanceTotal()
{
    ProgressBar2->setValue(ProgressBar2->value() + 1);
}

void TForm15::Timer1Timer()
{
    Timer1->stop();
    ProgressBar2->setValue(0);
    Label1->setText(QStringLiteral("Loading Saved data"));
    // A settings file that cannot be read is named, and start-up goes on
    // with what was read: the loader is the only way out of this window.
    EventGuard::run([this] {
        if (ReadSettings)
            ReadSettings();
    });
    advanceTotal();
    SettingsLoaded();
}

void TForm15::SettingsLoaded()
{
    if (ShowNews) {
        Label1->setText(QStringLiteral("Checking news"));
        if (const auto news = Server.addressOf(QStringLiteral("NEWS.txt"))) {
            HTTPGet3->URL = *news;
            HTTPGet3->FileName = Folder + QStringLiteral("NEWS.txt");
            HTTPGet3->GetFile();   // waits, news window included
        }
    }
    if (!CheckUpdates) {
        Timer2->start();
        return;
    }
    Label1->setText(QStringLiteral("Checking For updates"));
    const auto list = Server.addressOf(QStringLiteral("quillmark.txt"));
    if (!list) {
        HTTPGet1Error();   // no server: nothing to ask, no traffic
        return;
    }
    HTTPGet1->URL = *list;
    HTTPGet1->FileName = Folder + QStringLiteral("TEMP.UP");
    HTTPGet1->GetFile();
}

void TForm15::HTTPGet3DoneFile()
{
    if (NewsWindow)
        NewsWindow->showFile(HTTPGet3->FileName, false);
}

void TForm15::HTTPGet1DoneFile()
{
    advanceTotal();
    ListBox1 = UpdateList::readLines(HTTPGet1->FileName);
    const UpdateList list = UpdateList::fromLines(ListBox1);
    if (!Server.offersUpdate(list)) {
        Timer2->start();
        return;
    }
    const auto refuse = [this](const QString &what, int line) {
        Modal::warning(QStringLiteral("The update list %1, on line %2: \"%3\". The update is refused.")
                           .arg(what)
                           .arg(line)
                           .arg(ListBox1[line - 1]));
        Timer2->start();
    };
    if (const int line = list.firstUnsafeLine())
        return refuse(QStringLiteral("names a file that may not be used"), line);
    // Fetching a file that has nowhere to go would end the program for nothing.
    if (const int line = list.incompleteLine())
        return refuse(QStringLiteral("ends with a file that has no local name"), line);
    if (!Modal::confirm(QStringLiteral("There is a new Version avalible download?"))) {
        Timer2->start();
        return;
    }
    Label1->setText(QStringLiteral("Updating to new Version"));
    m_staging = std::make_unique<UpdateStaging>(Folder);
    m_staging->begin();
    UpdateIndex = 1;
    fetchUpdateFile();
}

void TForm15::HTTPGet1Error()
{
    Timer2->start();
}

// The pair at UpdateIndex: remote name, then local name. The file waits
// aside under its position in the list until every file has arrived.
void TForm15::fetchUpdateFile()
{
    HTTPGet2->URL = Server.addressOf(ListBox1[UpdateIndex]).value_or(QString());
    HTTPGet2->FileName = m_staging->stagedPath((UpdateIndex - 1) / 2);
    HTTPGet2->GetFile();
}

void TForm15::Timer3Timer()
{
    Timer3->stop();
    fetchUpdateFile();
}

void TForm15::HTTPGet2DoneFile()
{
    UpdateIndex += 2;
    if (UpdateIndex >= ListBox1.size() - 1)
        finishUpdate();
    else
        Timer3->start();
}

void TForm15::HTTPGet2Error()
{
    Label1->setText(QStringLiteral("An update file could not be fetched"));
    CancelUpdate->show();
}

void TForm15::finishUpdate()
{
    try {
        m_staging->commit(UpdateList::fromLines(ListBox1).files());
    } catch (const RuntimeError &) {
        HTTPGet2Error();
        throw;
    }
    m_staging.reset();
    const QString updater = Folder + QStringLiteral("UPDATE.exe");
    if (!StartProgram || !StartProgram(updater))
        Modal::warning(QStringLiteral("Unable to start %1").arg(QDir::toNativeSeparators(updater)));
    m_updateStarted = true;
    done(QDialog::Accepted);
    if (CloseProgram)
        CloseProgram();
}

void TForm15::CancelUpdateClick()
{
    CancelUpdate->hide();
    if (m_staging)
        m_staging->discard();
    m_staging.reset();
    Timer2->start();
}

void TForm15::Timer2Timer()
{
    Timer2->stop();
    Label1->setText(QStringLiteral("Checking Data"));
    const QString notes = Folder + QStringLiteral("NEW.TEMP");
    if (NewsWindow && QFileInfo::exists(notes))
        NewsWindow->showFile(notes, true);
    Label1->setText(QStringLiteral("Loading Font engine..."));
    Label1->repaint();
    advanceTotal();
    QCoreApplication::processEvents();
    EventGuard::run([this] {
        if (LoadFont)
            LoadFont();
    });
    advanceTotal();
    done(QDialog::Accepted);
}

bool TForm15::startFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    if (info.isExecutable() && QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath()))
        return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
