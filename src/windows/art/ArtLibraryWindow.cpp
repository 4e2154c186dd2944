#include "windows/art/ArtLibraryWindow.h"
#include "platform/RuntimeError.h"
#include "windows/widgets/EventGuard.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

// What the building thread and the window share: the thread writes, the
// window reads once the thread has finished (or the counters at any time).
struct ArtLibraryWindow::Job
{
    std::atomic<bool> cancel{false};
    std::atomic<int> done{0}, total{0};
    ArtLibraryBuilder::Report report;
    QString failure;
};

ArtLibraryWindow::ArtLibraryWindow(QWidget *parent)
    : FixedDialog(parent, QStringLiteral("Build Art Library from Client"))
{
    setEscapeCloses(true);   // as the button: cancel, then close
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    Label1->setFixedWidth(380);
    Label1->setMinimumHeight(40);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setFixedWidth(380);
    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    fixSize();

    m_poll = new QTimer(this);
    m_poll->setInterval(50);
    connect(m_poll, &QTimer::timeout, this, &ArtLibraryWindow::showProgress);
    EventGuard::connect(Button1, &QPushButton::clicked, this, &ArtLibraryWindow::Button1Click);
}

ArtLibraryWindow::~ArtLibraryWindow()
{
    if (m_thread) {
        m_job->cancel = true;
        m_thread->wait();
    }
}

void ArtLibraryWindow::showEvent(QShowEvent *event)
{
    FixedDialog::showEvent(event);
    if (!m_thread)
        start();
}

void ArtLibraryWindow::start()
{
    m_report.reset();
    m_job = std::make_shared<Job>();
    Label1->setText(QStringLiteral("Reading the client in %1 …").arg(m_options.clientDir));
    ProgressBar1->setRange(0, 0);   // busy until the first step
    Button1->setText(QStringLiteral("Cancel"));
    Button1->setEnabled(true);
    m_thread = QThread::create([job = m_job, options = m_options] {
        try {
            job->report = ArtLibraryBuilder::build(
                options, [&job](int done, int total) { job->total = total, job->done = done; }, &job->cancel);
        } catch (const RuntimeError &e) {
            job->failure = e.message();
        } catch (const std::exception &e) {
            job->failure = QString::fromLocal8Bit(e.what());
        }
    });
    connect(m_thread, &QThread::finished, this, &ArtLibraryWindow::finish);
    m_thread->start();
    m_poll->start();
}

void ArtLibraryWindow::showProgress()
{
    const int total = m_job->total, done = m_job->done;
    if (total <= 0)
        return;
    if (ProgressBar1->maximum() != total)
        ProgressBar1->setRange(0, total);
    ProgressBar1->setValue(done);
    if (!m_job->cancel)
        Label1->setText(QStringLiteral("Writing the art library: %1 of %2").arg(done).arg(total));
}

void ArtLibraryWindow::finish()
{
    m_poll->stop();
    showProgress();
    m_thread->deleteLater();
    m_thread = nullptr;
    if (!m_job->failure.isEmpty()) {
        Label1->setText(m_job->failure);
    } else {
        m_report = m_job->report;
        Label1->setText((m_report->cancelled ? QStringLiteral("Cancelled: ") : QStringLiteral("Done: "))
                        + m_report->summary());
    }
    ProgressBar1->setRange(0, std::max(1, ProgressBar1->maximum()));
    if (m_report && !m_report->cancelled)
        ProgressBar1->setValue(ProgressBar1->maximum());
    Button1->setText(QStringLiteral("Close"));
    Button1->setEnabled(true);
}

void ArtLibraryWindow::waitUntilDone()
{
    while (m_thread) {
        QEventLoop loop;
        connect(m_thread, &QThread::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void ArtLibraryWindow::Button1Click()
{
    if (!m_thread) {
        accept();
        return;
    }
    m_job->cancel = true;
    Label1->setText(QStringLiteral("Cancelling …"));
    Button1->setEnabled(false);
}

void ArtLibraryWindow::reject()
{
    Button1Click();
}
