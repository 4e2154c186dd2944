#include "windows/server/ServerImportDialog.h"

#include "serverworld/ServerPreview.h"
#include "windows/server/ServerPreviewWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

ServerImportDialog::ServerImportDialog(const QString &scriptsFolder, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ServerImport"));
    setWindowTitle(QStringLiteral("Import from the server"));
    auto *layout = new QVBoxLayout(this);
    Status = new QLabel(QStringLiteral("Reading the dialog names of %1…").arg(scriptsFolder), this);
    Status->setWordWrap(true);
    Search = new QLineEdit(this);
    Search->setObjectName(QStringLiteral("Search"));
    Search->setPlaceholderText(QStringLiteral("Search the dialog names"));
    Search->setClearButtonEnabled(true);
    Names = new QListWidget(this);
    Names->setObjectName(QStringLiteral("Names"));
    Privilege = new QComboBox(this);
    Privilege->setObjectName(QStringLiteral("Privilege"));
    for (const auto &[name, level] : ServerPreviewWindow::privileges())
        Privilege->addItem(QStringLiteral("%1 (%2)").arg(name).arg(level), level);
    Privilege->setCurrentIndex(1);
    Arguments = new QLineEdit(this);
    Arguments->setObjectName(QStringLiteral("Arguments"));
    layout->addWidget(Status);
    layout->addWidget(Search);
    layout->addWidget(Names, 1);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Stand-in"), Privilege);
    form->addRow(QStringLiteral("Arguments"), Arguments);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkButton = buttons->button(QDialogButtonBox::Ok);
    OkButton->setText(QStringLiteral("Import"));
    OkButton->setEnabled(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Search, &QLineEdit::textChanged, this, &ServerImportDialog::filter);
    connect(Names, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { OkButton->setEnabled(item != nullptr); });
    connect(Names, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(420, 480);

    auto names = std::make_shared<QStringList>();
    m_reader = QThread::create([names, scriptsFolder] { *names = ServerPreview::dialogNames(scriptsFolder); });
    m_reader->setParent(this);
    connect(m_reader, &QThread::finished, this, [this, names, scriptsFolder] {
        m_names = *names;
        m_read = true;
        Status->setText(m_names.isEmpty() ? QStringLiteral("%1 defines no dialog.").arg(scriptsFolder)
                                          : QStringLiteral("%1 dialogs in %2").arg(m_names.size()).arg(scriptsFolder));
        filter();
        emit namesReady();
    });
    m_reader->start();
}

ServerImportDialog::~ServerImportDialog()
{
    if (m_reader)
        m_reader->wait();
}

void ServerImportDialog::filter()
{
    const QString wanted = Search->text().trimmed();
    Names->clear();
    for (const QString &name : std::as_const(m_names))
        if (wanted.isEmpty() || name.contains(wanted, Qt::CaseInsensitive))
            Names->addItem(name);
    if (Names->count() > 0)
        Names->setCurrentRow(0);
    OkButton->setEnabled(Names->currentItem() != nullptr);
}

QString ServerImportDialog::dialogName() const
{
    return Names->currentItem() ? Names->currentItem()->text() : QString();
}

int ServerImportDialog::privilege() const
{
    return Privilege->currentData().toInt();
}

QString ServerImportDialog::privilegeName() const
{
    return ServerPreviewWindow::privileges().value(Privilege->currentIndex()).first;
}

QString ServerImportDialog::arguments() const
{
    return Arguments->text();
}
