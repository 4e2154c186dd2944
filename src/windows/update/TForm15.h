#pragma once

#include "net/UpdateServer.h"
#include "net/UpdateStaging.h"
#include "windows/widgets/FixedDialog.h"

#include <QStringList>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class THTTPGet;
class TForm16;

// "System Update": the start-up sequence. Timer1 reads the settings; then
// come the news, the update check or straight the loader (Timer2), which
// shows release notes, loads the font and closes the window. An update the
// user agrees to is fetched file by file (Timer3), moved into place once all
// files are there, and ends the program by starting "UPDATE.exe".
class TForm15 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm15(QWidget *parent = nullptr);
    ~TForm15() override;

    QLabel *Label1 = nullptr;              // status line
    QProgressBar *ProgressBar1 = nullptr;  // the current download
    QProgressBar *ProgressBar2 = nullptr;  // "Total Progress", 0..4
    QPushButton *CancelUpdate = nullptr;   // "Cancel Update", shown when an update file failed
    QStringList ListBox1;                  // the lines of the update list
    QTimer *Timer1 = nullptr;              // settings read
    QTimer *Timer2 = nullptr;              // the loader
    QTimer *Timer3 = nullptr;              // next update file
    THTTPGet *HTTPGet1 = nullptr;          // the update list
    THTTPGet *HTTPGet2 = nullptr;          // the files of an update
    THTTPGet *HTTPGet3 = nullptr;          // the news
    int UpdateIndex = 0;                   // list line of the remote file being fetched

    // Set by the main window before the window is shown.
    QString Folder;                        // the program's folder (local files), ending in "/"
    UpdateServer Server;                   // none until the settings name one
    bool ShowNews = false;                 // "Show News On Startup"
    bool CheckUpdates = false;             // "Check For Updates on Startup"
    TForm16 *NewsWindow = nullptr;
    std::function<void()> ReadSettings;    // the settings read proper
    std::function<void()> LoadFont;        // "UO0.CORE" into the text converter
    std::function<void()> CloseProgram;    // closes the main window
    // Starts a program file; false when it could not be started. Tests
    // replace it.
    std::function<bool(const QString &path)> StartProgram;

    // True once a finished update has ended the program.
    bool updateStarted() const { return m_updateStarted; }

    // Starts a file as a program when it is executable, otherwise opens it
    // with the desktop.
    static bool startFile(const QString &path);

    // The last step of the start-up settings read: news, then the update
    // check or the loader.
    void SettingsLoaded();

public slots:
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void HTTPGet1DoneFile();
    void HTTPGet1Error();
    void HTTPGet2DoneFile();
    void HTTPGet2Error();
    void HTTPGet3DoneFile();
    void CancelUpdateClick();

private:
    void showDownloadProgress(qint64 total, qint64 readed);
    void advanceTotal();
    void fetchUpdateFile();
    void finishUpdate();

    std::unique_ptr<UpdateStaging> m_staging;
    bool m_updateStarted = false;
};
