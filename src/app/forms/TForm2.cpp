#include "app/forms/TForm2.h"
#include "platform/PathResolver.h"
#include "ui/forms/EventGuard.h"
#include "ui/forms/ImageView.h"
#include "ui/forms/Modal.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TForm2::TForm2(QWidget *parent) : FixedDialog(parent, QStringLiteral("Select Image for Pic"))
{
    setEscapeCloses(true); // as Cancel
    FileListBox1 = new QListWidget(this);
    FileListBox1->setFixedSize(160, 260);
    auto *previewFrame = new QFrame(this);
    previewFrame->setFrameShape(QFrame::StyledPanel);
    previewFrame->setFrameShadow(QFrame::Sunken);
    Image1 = new ImageView(previewFrame);
    Image1->setFixedSize(260, 260);
    auto *previewLayout = new QVBoxLayout(previewFrame);
    previewLayout->setContentsMargins(1, 1, 1, 1);
    previewLayout->addWidget(Image1);

    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button3 = new QPushButton(QStringLiteral("Add other Uo Gump"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(FileListBox1);
    top->addWidget(previewFrame);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button3);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    fixSize();

    EventGuard::connect(FileListBox1, &QListWidget::itemSelectionChanged, this, &TForm2::FileListBox1Click);
    EventGuard::connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    EventGuard::connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    EventGuard::connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
}

void TForm2::setFolder(const QString &folder)
{
    m_folder = folder;
    rereadFolder();
}

void TForm2::rereadFolder()
{
    FileListBox1->clear();
    FileListBox1->addItems(PathResolver::filesWithExtension(m_folder, QStringLiteral(".bmp")));
    Image1->clear();
}

void TForm2::setArtWindows(QDialog *newButton, QDialog *newGumppic)
{
    m_newButton = newButton;
    m_newGumppic = newGumppic;
}

QStringList TForm2::files() const
{
    QStringList names;
    for (int i = 0; i < FileListBox1->count(); ++i)
        names.append(FileListBox1->item(i)->text());
    return names;
}

std::optional<QString> TForm2::selectedFile() const
{
    const QList<QListWidgetItem *> items = FileListBox1->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return items.first()->text();
}

void TForm2::selectFile(const QString &name)
{
    const QList<QListWidgetItem *> found = FileListBox1->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        FileListBox1->setCurrentItem(found.first());
}

void TForm2::FileListBox1Click()
{
    const auto file = selectedFile();
    if (!file) {
        Image1->clear();
        return;
    }
    Image1->setPicture(QImage(PathResolver::resolve(m_folder + u'/' + *file)));
}

void TForm2::Button1Click()
{
    if (!selectedFile()) {
        Modal::warning(QStringLiteral("Select an image please"));
        return;
    }
    accept();
}

void TForm2::Button2Click()
{
    QDialog::reject();
}

void TForm2::Button3Click()
{
    if (ResizepicMode) {
        Modal::warning(QStringLiteral("This Feature is not added due to stability"));
        return;
    }
    if (QDialog *window = ButtonMode ? m_newButton : m_newGumppic)
        Modal::exec(*window);
    rereadFolder();
}
