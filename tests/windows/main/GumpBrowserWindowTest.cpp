#include "assets/client/GumpBrowserModel.h"
#include "support/SyntheticClient.h"
#include "windows/art/ArtLibraryWindow.h"
#include "windows/art/TForm3.h"
#include "windows/elements/TForm2.h"
#include "windows/elements/TForm4.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/options/TForm12.h"
#include "windows/script/TForm14.h"
#include "windows/widgets/ImageView.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

void writeClient(const QString &dir)
{
    const QList<SyntheticClient::Gump> gumps = {
        {0xF7, 2, 1, {0x7C00, 0x001F}},   // a stock button, up and down
        {0xF8, 2, 1, {0x001F, 0x7C00}},
        {0xFA5, 2, 1, {0x03E0, 0x03E0}},  // the up gump of a pair no library art has
        {0x1F5, 300, 280, QList<quint16>(300 * 280, 0x03E0)},
    };
    const auto [index, data] = SyntheticClient::mul(gumps);
    QDir().mkpath(dir);
    for (const auto &[name, bytes] : {std::pair{"GumpIdx.mul", index}, std::pair{"gumpart.MUL", data}}) {
        QFile f(dir + u'/' + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
}

} // namespace

TEST_F(MainWindowTest, PicturePickerOffersTheClientsGumpsByNumber)
{
    // No client: the picker lists DATA/ only.
    modals->onWindow<TForm2>([](TForm2 &p) {
        EXPECT_FALSE(p.offersClientGumps());
        p.Button2->click();
    });
    window->control<QPushButton>("Button4")->click();

    writeClient(path(QStringLiteral("client")));
    window->control<TForm12>("Form12")->ClientEdit->setText(path(QStringLiteral("client")));
    window->control<TForm12>("Form12")->Button2Click();

    modals->onWindow<TForm2>([](TForm2 &p) {
        ASSERT_TRUE(p.offersClientGumps());
        EXPECT_TRUE(p.ClientPanel->isVisibleTo(&p));
        EXPECT_TRUE(p.GumpList->uniformItemSizes());
        EXPECT_EQ(p.Gumps->rowCount(), 4);
        p.GumpSearch->setText(QStringLiteral("1f"));
        EXPECT_EQ(p.Gumps->rowCount(), 1);
        ASSERT_TRUE(p.selectGump(0x1F5));
        EXPECT_EQ(p.Image1->picture().size(), QSize(300, 280));   // full size
        EXPECT_EQ(p.selectedFile(), QStringLiteral("1F5.bmp"));
        // A file of DATA/ takes the choice over, and back.
        p.selectFile(QStringLiteral("2A.BMP"));
        EXPECT_EQ(p.selectedFile(), QStringLiteral("2A.BMP"));
        EXPECT_EQ(p.Image1->picture().size(), QSize(8, 6));
        ASSERT_TRUE(p.selectGump(0x1F5));
        EXPECT_TRUE(p.FileListBox1->selectedItems().isEmpty());
        p.Button1->click();
    });
    window->control<QPushButton>("Button4")->click();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "gumppic", "0", "0", "1F5.bmp", "}EOP"}));

    // Buttons and backgrounds are not gumps of their own: no client list.
    modals->onWindow<TForm2>([](TForm2 &p) {
        EXPECT_FALSE(p.offersClientGumps());
        EXPECT_FALSE(p.ClientPanel->isVisibleTo(&p));
        EXPECT_FALSE(p.selectGump(0xF7));
        p.Button2->click();
    });
    window->Button15Click();
}

TEST_F(MainWindowTest, BuildArtLibraryRunsOffTheWindowAndNamesWhatItMade)
{
    window->control<QAction>("BuildArtLibrary1")->trigger();   // no client chosen yet
    EXPECT_EQ(modals->messages(Modal::MessageKind::Warning),
              QStringList({"Choose the game client folder in Options first"}));

    writeClient(path(QStringLiteral("client")));
    window->control<TForm12>("Form12")->ClientEdit->setText(path(QStringLiteral("client")));
    window->control<TForm12>("Form12")->Button2Click();

    // A text is not drawn while the library has no font; the one the build
    // makes from the client's font draws it at once.
    writeFile(QStringLiteral("client/unifont1.mul"),
              SyntheticClient::unicodeFont({{u'H', 0, 2, {"#..#", "#..#", "####", "#..#", "#..#"}}}));
    modals->onWindow<TForm3>([](TForm3 &f) {
        f.RadioButtons[0]->setChecked(true);
        f.Button3->click();
    });
    modals->onWindow<TForm4>([](TForm4 &f) {
        f.Edit1->setText(QStringLiteral("HHHH"));
        f.Button1->click();
    });
    window->Button5Click();
    const auto textPixels = [&] {
        const QImage canvas = window->control<CanvasImage>("Image1")->picture();
        const QRgb background = canvas.pixel(60, 60);
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 40; ++x)
                n += canvas.pixel(x, y) != background;
        return n;
    };
    ASSERT_FALSE(QFileInfo::exists(path(QStringLiteral("UO0.CORE"))));
    const int withoutFont = textPixels();   // the canvas's edge lines only

    modals->onWindow<ArtLibraryWindow>([](ArtLibraryWindow &w) {
        EXPECT_TRUE(w.isBuilding() || w.report());
        w.waitUntilDone();
        ASSERT_TRUE(w.report());
        EXPECT_FALSE(w.report()->cancelled);
        EXPECT_TRUE(w.Label1->text().startsWith(QStringLiteral("Done: "))) << w.Label1->text().toStdString();
        EXPECT_EQ(w.ProgressBar1->value(), w.ProgressBar1->maximum());
        EXPECT_EQ(w.Button1->text(), QStringLiteral("Close"));
        w.Button1->click();
    });
    window->control<QAction>("BuildArtLibrary1")->trigger();
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("DATA/buttons/F7.cs"))));
    EXPECT_GT(textPixels(), withoutFont + 4 * 12);   // four letters of twelve pixels, and their outline
}

// An imported dialog's buttons keep a pair the library lacks: with a client
// named, the designer offers to add it, and Yes adds that pair alone and
// points the buttons at it in one undo step; No leaves the design as imported.
TEST_F(MainWindowTest, AnImportOffersTheButtonPairsTheLibraryLacks)
{
    writeClient(path(QStringLiteral("client")));
    window->control<TForm12>("Form12")->ClientEdit->setText(path(QStringLiteral("client")));
    window->control<TForm12>("Form12")->Button2Click();
    writeFile(QStringLiteral("menu.scp"), "[DIALOG menu]\r\n0,0\r\nbutton 10 10 4005 4007 1 0 1\r\n"
                                          "button 40 10 4005 4007 1 0 2\r\n");
    const auto import = [&](bool yes) {
        if (yes)   // the design of the first import is unsaved
            modals->answerSaveChanges(Modal::SaveAnswer::Discard);
        modals->onWindow<TForm14>([&](TForm14 &w) {
            w.setScriptFile(path(QStringLiteral("menu.scp")));
            w.ComboBox1->setEditText(QStringLiteral("menu"));
            w.Button2->click();
        });
        modals->answerConfirm(yes);
        if (yes)
            modals->onWindow<ArtLibraryWindow>([](ArtLibraryWindow &w) {
                w.waitUntilDone();
                w.Button1->click();
            });
        window->Button12Click();
        settle();
        EXPECT_TRUE(modals->finished());
    };
    import(false);
    EXPECT_EQ(modals->shown().last().text,
              QStringLiteral("1 gump pair of this dialog's buttons is not in the art library. Add it from the game client?"));
    EXPECT_TRUE(lines().contains(QStringLiteral("gump 4005 4007.bmp")));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("DATA/buttons/FA5.bmp"))));

    import(true);
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("DATA/buttons/FA5.bmp"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("DATA/buttons/F7.cs"))));   // nothing else added
    EXPECT_EQ(lines().count(QStringLiteral("FA5.BMP")), 2);
    window->state().History->undo();
    EXPECT_EQ(lines().count(QStringLiteral("gump 4005 4007.bmp")), 2);
}
