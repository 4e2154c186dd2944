#pragma once

#include "assets/client/ArtLibraryBuilder.h"
#include "windows/widgets/FixedDialog.h"

#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;

// "Build Art Library from Client": builds the art library on a thread of its
// own once shown, with a progress bar; Cancel stops it between two entries
// (what was written stays, as every file is whole). When done it names what
// it made and its button closes the window.
class ArtLibraryWindow : public FixedDialog
{
    Q_OBJECT

public:
    explicit ArtLibraryWindow(QWidget *parent = nullptr);
    ~ArtLibraryWindow() override;

    // What the next showing builds.
    void setOptions(const ArtLibraryBuilder::Options &options) { m_options = options; }

    bool isBuilding() const { return m_thread != nullptr; }
    // Runs the events until the build is over.
    void waitUntilDone();
    // The last build's report; nothing when it failed or has not run.
    const std::optional<ArtLibraryBuilder::Report> &report() const { return m_report; }

    void reject() override;

    QLabel *Label1 = nullptr;          // what happens
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *Button1 = nullptr;    // "Cancel", then "Close"

public slots:
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Job;
    void start();
    void showProgress();
    void finish();

    ArtLibraryBuilder::Options m_options;
    std::shared_ptr<Job> m_job;
    QThread *m_thread = nullptr;
    QTimer *m_poll = nullptr;
    std::optional<ArtLibraryBuilder::Report> m_report;
};
