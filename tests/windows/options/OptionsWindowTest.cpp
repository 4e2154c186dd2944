#include "editor/AutoSave.h"
#include "platform/IniFile.h"
#include "support/TextFiles.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/main/TForm10.h"
#include "windows/options/TForm12.h"
#include "windows/widgets/ColorSwatch.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

class OptionsWindowTest : public MainWindowTest
{
protected:
    TForm12 &options() { return *window->control<TForm12>("Form12"); }
    QString iniPath() const { return path(QStringLiteral("quillmark.INI")); }
    void writeSettings(const QString &text)
    {
        writeTextFile(iniPath(), text);
        options().ReadSettings();
    }
    QString stored(const char *section, const char *key) const
    {
        return IniFile(iniPath()).readString(QString::fromLatin1(section), QString::fromLatin1(key),
                                             QStringLiteral("<missing>"));
    }
    QStringList errors() const { return modals->messages(Modal::MessageKind::Error); }
    bool brushShown() const { return !window->control<QGroupBox>("BrushGroup")->isHidden(); }
    bool insertShown() const { return !window->control<QGroupBox>("InsertGroup")->isHidden(); }
};

} // namespace

TEST_F(OptionsWindowTest, FirstStartShowsTheDefaultsAndTheBrushGroup)
{
    ASSERT_FALSE(QFileInfo::exists(iniPath()));
    EXPECT_EQ(options().PageControl1->count(), 10);
    EXPECT_EQ(options().ComboBox1->currentText(), QStringLiteral("Select + Drag"));
    EXPECT_EQ(options().ComboBox2->currentText(), QStringLiteral("Menu"));
    EXPECT_EQ(options().ComboBox3->currentText(), QStringLiteral("(1.2) Real Draw"));
    EXPECT_TRUE(brushShown());
    EXPECT_FALSE(insertShown());
    EXPECT_TRUE(window->control<QTimer>("AutoSave")->isActive());
    EXPECT_EQ(window->control<QTimer>("AutoSave")->interval(), 5 * 60000);
    EXPECT_EQ(options().CSpinEdit2->text(), QStringLiteral("5"));
    EXPECT_FALSE(options().CheckBox3->isChecked());
    EXPECT_TRUE(options().CheckBox2->isChecked());
    EXPECT_TRUE(options().ServerEdit->text().isEmpty());
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(OptionsWindowTest, ChoiceBoxesPutBackTheirDefaultForUnknownText)
{
    struct Case { QComboBox *box; const char *typed, *shown; };
    const Case cases[] = {
        {options().ComboBox1, "Drag", "Select + Drag"},
        {options().ComboBox2, "Drag", "Menu"},
        {options().ComboBox2, "Remove", "Remove"},
        {options().ComboBox3, "Insert", "(1.2) Real Draw"},
        {options().ListBox1, "48e - 51a", "48e - 51a"},
        {options().ListBox1, "56", "55i - 99g"},
    };
    for (const Case &c : cases) {
        c.box->setEditText(QString::fromLatin1(c.typed));
        EXPECT_EQ(c.box->currentText(), QString::fromLatin1(c.shown)) << c.typed;
    }
    EXPECT_EQ(window->settings().rightAction, QStringLiteral("Remove"));
}

TEST_F(OptionsWindowTest, CancelRestoresAChangedColourAndEveryControl)
{
    writeSettings(QStringLiteral("[Realtime Engine]\r\nBackground=clYellow\r\n[Mouse]\r\nLEFT=Remove\r\n"));
    options().prepareToShow();
    modals->answerColor(QColor(Qt::red));
    options().Button1Click();
    options().ComboBox1->setEditText(QStringLiteral("Menu"));
    EXPECT_EQ(window->settings().backgroundColor, 0x0000FFu);
    EXPECT_EQ(window->settings().leftAction, QStringLiteral("Menu"));

    options().Button3Click();
    EXPECT_EQ(window->settings().backgroundColor, 0x00FFFFu);
    EXPECT_EQ(options().Shape1->color(), 0x00FFFFu);
    EXPECT_EQ(options().ComboBox1->currentText(), QStringLiteral("Remove"));
    EXPECT_FALSE(options().DefaultsRunning);
}

TEST_F(OptionsWindowTest, DefaultsDeleteTheFileAndCancelKeepsThem)
{
    writeSettings(QStringLiteral("[Mouse]\r\nLEFT=Remove\r\n[Realtime Engine]\r\nSelection=clRed\r\n"));
    options().Button5Click();
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
    EXPECT_EQ(options().ComboBox1->currentText(), QStringLiteral("Select + Drag"));
    EXPECT_EQ(options().Shape2->color(), 0x00FF00u);
    EXPECT_EQ(options().ColorDialog2Color, 0x00FF00u);
    options().Button3Click();
    EXPECT_EQ(options().ComboBox1->currentText(), QStringLiteral("Select + Drag"));
    EXPECT_EQ(window->settings().selectionColor, 0x00FF00u);
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
}

TEST_F(OptionsWindowTest, OkStoresTheControlsAndSwitchesTheCreationStyle)
{
    window->settings().autoCurrent = 4;
    options().ComboBox3->setEditText(QStringLiteral("(1.1) Insert"));
    options().ServerEdit->setText(QStringLiteral("updates.example.net"));
    options().Skip->setText(QStringLiteral("12"));
    EXPECT_TRUE(brushShown());   // the style changes with "Ok", not before
    options().Button2Click();
    EXPECT_TRUE(insertShown());
    EXPECT_FALSE(brushShown());
    EXPECT_EQ(stored("STYLE", "Drawengine"), QStringLiteral("(1.1) Insert"));
    EXPECT_EQ(stored("STARTUP", "Server"), QStringLiteral("updates.example.net"));
    EXPECT_EQ(stored("Ruler", "SKIP"), QStringLiteral("12"));
    EXPECT_EQ(stored("Files", "AutoCurrent"), QStringLiteral("4"));

    // The Insert buttons add through the same commands.
    scriptPicker(QStringLiteral("1F4.bmp"));
    window->control<QPushButton>("Button4")->click();
    settle();
    EXPECT_TRUE(lines().contains(QStringLiteral("gumppic")));

    options().ComboBox3->setEditText(QStringLiteral("(1.2) Real Draw"));
    options().Button2Click();
    EXPECT_TRUE(brushShown());
    EXPECT_FALSE(insertShown());
}

TEST_F(OptionsWindowTest, ANumberThatIsNotOneIsShownOnceAndTheRestIsRead)
{
    writeSettings(QStringLiteral("[Ruler]\r\nSKIP=abc\r\nMARK=4\r\n[Files]\r\nAuto=x\r\nAuto1=1\r\nAuto2=0\r\n"));
    EXPECT_EQ(errors(), QStringList({QStringLiteral("'x' is not a valid integer value in [Files] Auto\n'abc' is not a valid integer value in [Ruler] SKIP")}));
    EXPECT_EQ(options().Skip->text(), QStringLiteral("9"));
    EXPECT_EQ(options().MARKED->text(), QStringLiteral("4"));
    EXPECT_EQ(window->control<QTimer>("AutoSave")->interval(), 5 * 60000);
    EXPECT_FALSE(window->control<QTimer>("AutoSave")->isActive());   // "on Redraw" is selected
}

TEST_F(OptionsWindowTest, AutosaveOnRedrawWritesOneSlotPerFullRender)
{
    writeSettings(QStringLiteral("[Files]\r\nAuto1=1\r\nAuto2=0\r\n"));
    scriptPicker(QStringLiteral("1F4.bmp"));
    window->Button4Click();          // the document changes: one full render
    settle();
    window->finishAutosaves();
    EXPECT_TRUE(QFileInfo::exists(AutoSaveRing::slotPath(window->state().AppDir, 0)));
    EXPECT_FALSE(QFileInfo::exists(AutoSaveRing::slotPath(window->state().AppDir, 1)));
    EXPECT_EQ(stored("Files", "AutoCurrent"), QStringLiteral("1"));
    window->DRAWClick();             // unchanged: served from the last render
    EXPECT_EQ(stored("Files", "AutoCurrent"), QStringLiteral("1"));

    window->control<QAction>("AutoSave1")->trigger();    // the popup item, whatever the mode
    EXPECT_EQ(stored("Files", "AutoCurrent"), QStringLiteral("2"));
    EXPECT_EQ(window->settings().autoCurrent, 2);
}

TEST_F(OptionsWindowTest, AnAutosaveThatCannotBeWrittenIsNamedOnce)
{
    writeFile(QStringLiteral("AutoSave"), "a file where the folder would be");
    window->AutoSaveTimer();
    settle();
    EXPECT_EQ(window->control<QLabel>("Label8")->text(),
              QStringLiteral("Autosave failed: Cannot create file ") + AutoSaveRing::slotPath(window->state().AppDir, 0));
    window->control<QLabel>("Label8")->setText(QStringLiteral("later"));
    settle();
    window->AutoSaveTimer();
    settle();
    window->AutoSaveTimer();
    settle();
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), QStringLiteral("later"));
    EXPECT_TRUE(errors().isEmpty());
    const auto autosaveEntries = [&] {
        return std::count_if(window->problems().entries().cbegin(), window->problems().entries().cend(),
                             [](const Problem &p) { return p.message.startsWith(QStringLiteral("Autosave")); });
    };
    EXPECT_EQ(autosaveEntries(), 1); // named once in the problems list too

    // Once the folder can be made, the next trigger saves.
    QFile::remove(path(QStringLiteral("AutoSave")));
    window->AutoSaveTimer();
    settle();
    window->finishAutosaves();
    settle();
    EXPECT_TRUE(QFileInfo::exists(AutoSaveRing::slotPath(window->state().AppDir, 0)));
    EXPECT_EQ(autosaveEntries(), 0);
}

TEST_F(OptionsWindowTest, AboutNamesTheSettingsFileAndDataFolderInUse)
{
    const QString appDir = QDir::toNativeSeparators(window->state().AppDir);
    modals->onWindow<TForm10>([&](TForm10 &about) {
        EXPECT_TRUE(about.SettingsLabel->text().endsWith(QStringLiteral("quillmark.INI")));
        EXPECT_TRUE(about.DataFolderLabel->text().endsWith(appDir));
        about.Button1->click();
    });
    window->control<QPushButton>("Button10")->click();
    settle();
    EXPECT_TRUE(modals->finished());
}

TEST_F(OptionsWindowTest, OpenRestoresAnAutosave)
{
    scriptPicker(QStringLiteral("1F4.bmp"));
    window->Button4Click();
    settle();
    const QStringList saved = lines();
    window->AutoSaveTimer();
    settle();
    modals->answerSaveChanges(Modal::SaveAnswer::Discard);
    window->Button6Click();
    settle();
    ASSERT_NE(lines(), saved);
    modals->answerOpenFile(AutoSaveRing::slotPath(window->state().AppDir, 0));
    window->Button1Click();
    settle();
    EXPECT_EQ(lines(), saved);
    EXPECT_TRUE(modals->shown().last().text.contains(QStringLiteral("Autosave (Auto.*)")));
}

// "Every" and "Total" hold their ranges whatever is typed, and Ok puts the
// autosave mode and interval in force at once.
TEST_F(OptionsWindowTest, OkHoldsEveryAndTotalInRangeAndAppliesTheTimerAtOnce)
{
    struct Case { const char *every, *total; int minutes, ring; };
    const Case cases[] = {{"0", "0", 1, 1}, {"-3", "-1", 1, 1}, {"2", "7", 2, 7}, {"99", "300", 60, 20}, {"x", "", 5, 5}};
    for (const Case &c : cases) {
        options().CSpinEdit1->setText(QString::fromLatin1(c.every));
        options().CSpinEdit2->setText(QString::fromLatin1(c.total));
        options().Button2Click();
        EXPECT_EQ(window->control<QTimer>("AutoSave")->interval(), c.minutes * 60000) << c.every;
        EXPECT_TRUE(window->control<QTimer>("AutoSave")->isActive()) << c.every;
        EXPECT_EQ(options().CSpinEdit1->text(), QString::number(c.minutes)) << c.every;
        EXPECT_EQ(options().CSpinEdit2->text(), QString::number(c.ring)) << c.total;
        EXPECT_EQ(stored("Files", "Auto"), QString::number(c.minutes)) << c.every;
        EXPECT_EQ(stored("Files", "AutoT"), QString::number(c.ring)) << c.total;
    }
    options().RadioButton3->setChecked(true);   // "Autosave off"
    options().Button2Click();
    EXPECT_FALSE(window->control<QTimer>("AutoSave")->isActive());
    options().RadioButton2->setChecked(true);
    options().Button2Click();
    EXPECT_TRUE(window->control<QTimer>("AutoSave")->isActive());
    EXPECT_TRUE(errors().isEmpty());
}

// On a real timer with a short interval: a changed design is written once,
// an idle one never again, and no file is left beside the slots.
TEST_F(OptionsWindowTest, AutosaveOnTimeWritesOnlyADesignThatChanged)
{
    const QString appDir = window->state().AppDir;
    const auto slotsWritten = [&] {
        window->finishAutosaves();
        settle();
        int n = 0;
        while (QFileInfo::exists(AutoSaveRing::slotPath(appDir, n)))
            ++n;
        return n;
    };
    window->control<QTimer>("AutoSave")->setInterval(5);
    settle();
    QTest::qWait(100);                // the new design as started: nothing to keep
    EXPECT_EQ(slotsWritten(), 0);

    scriptPicker(QStringLiteral("1F4.bmp"));
    window->Button4Click();
    settle();
    QTest::qWait(150);
    EXPECT_EQ(slotsWritten(), 1);
    EXPECT_EQ(stored("Files", "AutoCurrent"), QStringLiteral("1"));

    scriptPicker(QStringLiteral("2A.BMP"));
    window->Button4Click();
    settle();
    QTest::qWait(150);
    EXPECT_EQ(slotsWritten(), 2);
    EXPECT_EQ(readTextFile(AutoSaveRing::slotPath(appDir, 1)), QString::fromLatin1(Document::projectText(lines())));
    EXPECT_EQ(stored("Files", "AutoCurrent"), QStringLiteral("2"));
    EXPECT_TRUE(QDir(AutoSaveRing::folderOf(appDir)).entryList({QStringLiteral("*.new-*")}, QDir::Files).isEmpty());

    window->control<QAction>("AutoSave1")->trigger();     // asked for: written even unchanged
    EXPECT_EQ(slotsWritten(), 3);
}
