#include "windows/elements/TForm2.h"
#include "assets/client/GumpBrowserModel.h"
#include "platform/PathResolver.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/Modal.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

TForm2::TForm2(QWidget *parent) : FixedDialog(parent, QStringLiteral("Select Image for Pic"))
{
    setEscapeCloses(true); // as Cancel
    FileListBox1 = new QListWidget(this);
    FileListBox1->setFixedSize(160, 260);
    // The preview shows a picture at full size; one larger than the frame
    // scrolls.
    auto *previewFrame = new QScrollArea(this);
    previewFrame->setFrameShape(QFrame::StyledPanel);
    previewFrame->setFrameShadow(QFrame::Sunken);
    previewFrame->setFixedSize(262, 262);
    Image1 = new ImageView;
    Image1->resize(260, 260);
    previewFrame->setWidget(Image1);

    ClientPanel = new QWidget(this);
    GumpSearch = new QLineEdit(ClientPanel);
    GumpSearch->setPlaceholderText(QStringLiteral("Gump number (hex or decimal)"));
    GumpSearch->setClearButtonEnabled(true);
    Gumps = new GumpBrowserModel(this);
    GumpList = new QListView(ClientPanel);
    GumpList->setModel(Gumps);
    // One size for every row: the view then never measures all 65,536.
    GumpList->setUniformItemSizes(true);
    GumpList->setIconSize(QSize(GumpBrowserModel::ThumbnailSide, GumpBrowserModel::ThumbnailSide));
    GumpList->setSelectionMode(QAbstractItemView::SingleSelection);
    GumpList->setFixedSize(200, 234);
    auto *clientLayout = new QVBoxLayout(ClientPanel);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(GumpSearch);
    clientLayout->addWidget(GumpList);
    ClientPanel->hide();

    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button3 = new QPushButton(QStringLiteral("Add other Uo Gump"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(FileListBox1);
    top->addWidget(ClientPanel);
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
    EventGuard::connect(GumpList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                        &TForm2::GumpListClick);
    EventGuard::connect(GumpSearch, &QLineEdit::textChanged, this, &TForm2::GumpSearchChange);
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
    GumpList->clearSelection();
    ClientPanel->setVisible(offersClientGumps());
    Image1->clear();
}

void TForm2::setClientArt(std::shared_ptr<const GumpArt> art)
{
    Gumps->setArt(std::move(art));
    ClientPanel->setVisible(offersClientGumps());
}

bool TForm2::offersClientGumps() const
{
    return Gumps->art() && !ButtonMode && !ResizepicMode;
}

bool TForm2::selectGump(int gump)
{
    const int row = Gumps->rowOf(gump);
    if (row < 0 || !offersClientGumps())
        return false;
    GumpList->setCurrentIndex(Gumps->index(row));
    GumpList->scrollTo(Gumps->index(row));
    return true;
}

std::optional<int> TForm2::selectedGump() const
{
    if (!offersClientGumps())
        return std::nullopt;
    const QModelIndexList rows = GumpList->selectionModel()->selectedIndexes();
    if (rows.isEmpty())
        return std::nullopt;
    return Gumps->gumpAt(rows.first().row());
}

void TForm2::showPreview(const QImage &picture)
{
    Image1->setPicture(picture);
    Image1->resize(picture.size().expandedTo(QSize(260, 260)));
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
    if (const auto gump = selectedGump())
        return GumpBrowserModel::fileNameOf(*gump);
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
    const QList<QListWidgetItem *> items = FileListBox1->selectedItems();
    if (items.isEmpty()) {
        if (!selectedGump())
            showPreview(QImage());
        return;
    }
    GumpList->clearSelection();   // one choice at a time
    showPreview(QImage(PathResolver::resolve(m_folder + u'/' + items.first()->text())));
}

void TForm2::GumpListClick()
{
    const auto gump = selectedGump();
    if (!gump) {
        if (FileListBox1->selectedItems().isEmpty())
            showPreview(QImage());
        return;
    }
    FileListBox1->clearSelection();
    showPreview(Gumps->picture(*gump));
}

void TForm2::GumpSearchChange()
{
    Gumps->setSearch(GumpSearch->text());   // drops the gump highlighted
    if (FileListBox1->selectedItems().isEmpty())
        showPreview(QImage());
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
