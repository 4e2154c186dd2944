#include "windows/server/ServerPreviewWindow.h"

#include "document/RecordWalker.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"
#include "windows/server/ServerJob.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/Modal.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int LineRole = Qt::UserRole + 1;

// The pages the received design holds, in order, page 0 first.
QStringList pagesOf(const QStringList &lines)
{
    QStringList pages{QStringLiteral("0")};
    RecordWalker w(lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::PageOpen && !pages.contains(w.field(1)))
            pages << w.field(1);
    return pages;
}

} // namespace

ServerPreviewWindow::ServerPreviewWindow(std::function<Request()> request, QWidget *parent)
    : QWidget(parent, Qt::Tool), m_request(std::move(request)), m_job(new ServerJob(this))
{
    setObjectName(QStringLiteral("ServerPreview"));
    setWindowTitle(QStringLiteral("As the server sends it"));
    buildLayout();
    connect(m_job, &ServerJob::progress, this, [this](const QString &stage) { Status->setText(stage + u'…'); });
    resize(620, 720);
}

ServerPreviewWindow::~ServerPreviewWindow() = default;

const QList<std::pair<QString, int>> &ServerPreviewWindow::privileges()
{
    static const QList<std::pair<QString, int>> list = {
        {QStringLiteral("Guest"), 0},     {QStringLiteral("Player"), 1}, {QStringLiteral("Counselor"), 2},
        {QStringLiteral("Seer"), 3},      {QStringLiteral("GM"), 4},     {QStringLiteral("Developer"), 5},
        {QStringLiteral("Administrator"), 6}, {QStringLiteral("Owner"), 7}};
    return list;
}

void ServerPreviewWindow::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    auto *inputs = new QGridLayout;
    Privilege = new QComboBox(this);
    Privilege->setObjectName(QStringLiteral("Privilege"));
    for (const auto &[name, level] : privileges())
        Privilege->addItem(QStringLiteral("%1 (%2)").arg(name).arg(level), level);
    Privilege->setCurrentIndex(1);
    Arguments = new QLineEdit(this);
    Arguments->setObjectName(QStringLiteral("Arguments"));
    Arguments->setPlaceholderText(QStringLiteral("ARGS as the dialog is opened with"));
    RedrawButton = new QPushButton(QStringLiteral("Redraw"), this);
    RedrawButton->setObjectName(QStringLiteral("RedrawButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    PageBox = new QComboBox(this);
    PageBox->setObjectName(QStringLiteral("PageBox"));
    ExportButton = new QPushButton(QStringLiteral("Export PNG…"), this);
    ExportButton->setObjectName(QStringLiteral("ExportButton"));
    inputs->addWidget(new QLabel(QStringLiteral("Stand-in"), this), 0, 0);
    inputs->addWidget(Privilege, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Arguments"), this), 0, 2);
    inputs->addWidget(Arguments, 0, 3);
    inputs->addWidget(RedrawButton, 0, 4);
    inputs->addWidget(CancelButton, 0, 5);
    inputs->addWidget(new QLabel(QStringLiteral("Page"), this), 1, 0);
    inputs->addWidget(PageBox, 1, 1);
    inputs->addWidget(ExportButton, 1, 4, 1, 2);
    inputs->setColumnStretch(3, 1);
    layout->addLayout(inputs);

    auto *statusRow = new QHBoxLayout;
    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status"));
    Busy = new QProgressBar(this);
    Busy->setRange(0, 0);
    Busy->setMaximumWidth(120);
    Busy->hide();
    statusRow->addWidget(Status, 1);
    statusRow->addWidget(Busy);
    layout->addLayout(statusRow);
    Failure = new QLabel(this);
    Failure->setObjectName(QStringLiteral("Failure"));
    Failure->setWordWrap(true);
    Failure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Failure->setStyleSheet(QStringLiteral("color: #a00000"));
    Failure->hide();
    layout->addWidget(Failure);

    auto *split = new QSplitter(Qt::Vertical, this);
    auto *scroll = new QScrollArea(split);
    Picture = new ImageView(scroll);
    Picture->setMinimumSize(548, 400);
    scroll->setWidget(Picture);
    split->addWidget(scroll);
    auto *lists = new QWidget(split);
    auto *listLayout = new QVBoxLayout(lists);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(new QLabel(QStringLiteral("Differences from the canvas"), lists));
    Differences = new QListWidget(lists);
    Differences->setObjectName(QStringLiteral("Differences"));
    listLayout->addWidget(Differences);
    listLayout->addWidget(new QLabel(QStringLiteral("What the server logged"), lists));
    Messages = new QListWidget(lists);
    Messages->setObjectName(QStringLiteral("Messages"));
    listLayout->addWidget(Messages);
    split->addWidget(lists);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    EventGuard::connect(RedrawButton, &QPushButton::clicked, this, &ServerPreviewWindow::redraw);
    EventGuard::connect(Arguments, &QLineEdit::returnPressed, this, &ServerPreviewWindow::redraw);
    EventGuard::connect(Privilege, &QComboBox::activated, this, &ServerPreviewWindow::redraw);
    EventGuard::connect(CancelButton, &QPushButton::clicked, this, [this] {
        m_job->cancel();
        setBusy(false);
        Status->setText(QStringLiteral("Cancelled; the server is stopped."));
    });
    EventGuard::connect(PageBox, &QComboBox::currentIndexChanged, this, &ServerPreviewWindow::drawPage);
    EventGuard::connect(ExportButton, &QPushButton::clicked, this, &ServerPreviewWindow::exportPicture);
    for (QListWidget *list : {Differences, Messages})
        connect(list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
            if (item && item->data(LineRole).toInt() > 0)
                emit lineChosen(item->data(LineRole).toInt());
        });
    setBusy(false);
}

bool ServerPreviewWindow::busy() const
{
    return m_job->busy();
}

void ServerPreviewWindow::setBusy(bool busy)
{
    Busy->setVisible(busy);
    CancelButton->setEnabled(busy);
    ExportButton->setEnabled(!busy && !m_last.received.isEmpty());
}

void ServerPreviewWindow::redraw()
{
    Request request = m_request();
    request.setup.plevel = Privilege->currentData().toInt();
    request.setup.args = Arguments->text();
    Failure->hide();
    setBusy(true);
    Status->setText(QStringLiteral("Starting the server…"));
    auto result = std::make_shared<ServerPreview::Preview>();
    auto error = std::make_shared<QString>();
    m_job->run(
        [request, result, error](ServerCancel &cancel, const ServerProgress &progress) {
            try {
                *result = ServerPreview::preview(request.design, request.dialect, request.appDir, request.setup,
                                                 &cancel, progress);
            } catch (const RuntimeError &e) {
                *error = e.message();
            } catch (const std::exception &e) {
                *error = QString::fromLocal8Bit(e.what());
            }
        },
        [this, request, result, error] {
            setBusy(false);
            if (!error->isEmpty())
                fail(QStringLiteral("The design could not be exported: %1").arg(*error));
            else if (!result->answer.asked)
                fail(result->answer.error);
            else {
                showPreview(*result, request.appDir);
                const int page = PageBox->findText(request.page);
                if (page >= 0)
                    PageBox->setCurrentIndex(page);
            }
            emit answered();
        });
}

void ServerPreviewWindow::fail(const QString &message)
{
    Status->setText(QStringLiteral("The server could not be asked."));
    Failure->setText(message);
    Failure->show();
}

void ServerPreviewWindow::showPreview(const ServerPreview::Preview &preview, const QString &appDir)
{
    m_last = preview;
    m_appDir = appDir;
    const QSignalBlocker quiet(PageBox);
    PageBox->clear();
    PageBox->addItems(pagesOf(preview.received));
    Differences->clear();
    for (const ShownDifference &d : preview.differences) {
        const int line = d.designLine > 0 ? d.designLine : d.pageLine;
        auto *item = new QListWidgetItem(line > 0 ? QStringLiteral("Line %1: %2").arg(line).arg(d.what) : d.what);
        item->setData(LineRole, line);
        Differences->addItem(item);
    }
    Messages->clear();
    for (const ServerLogNote &n : preview.answer.notes) {
        const QString where = n.designLine > 0 ? QStringLiteral("Line %1").arg(n.designLine)
                                               : QStringLiteral("%1, line %2").arg(n.file).arg(n.scriptLine);
        auto *item = new QListWidgetItem(QStringLiteral("%1: %2").arg(where, n.text));
        item->setData(LineRole, n.designLine);
        Messages->addItem(item);
    }
    Status->setText(preview.differences.isEmpty()
                        ? QStringLiteral("The server sends what the canvas shows (%1 ms).").arg(preview.answer.milliseconds)
                        : QStringLiteral("%1 differences from the canvas (%2 ms).")
                              .arg(preview.differences.size())
                              .arg(preview.answer.milliseconds));
    drawPage();
    setBusy(false);
}

void ServerPreviewWindow::drawPage()
{
    if (m_last.received.isEmpty()) {
        Picture->clear();
        return;
    }
    const QImage page = ServerPreview::draw(m_last.received, m_appDir, PageBox->currentText().toInt());
    Picture->setPicture(page);
    Picture->setMinimumSize(page.size());
}

void ServerPreviewWindow::exportPicture()
{
    if (Picture->picture().isNull())
        return;
    QString path = Modal::saveFile(QStringLiteral("PNG picture (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !Picture->picture().save(&buffer, "PNG"))
        throw RuntimeError::cannotCreate(path);
    SafeFile::write(path, png);
    Status->setText(QStringLiteral("Saved %1").arg(path));
}

void ServerPreviewWindow::closeEvent(QCloseEvent *event)
{
    // Closed, the preview's server goes too.
    m_job->cancel();
    setBusy(false);
    QWidget::closeEvent(event);
}
