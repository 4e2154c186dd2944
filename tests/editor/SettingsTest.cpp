#include "editor/Settings.h"
#include "platform/IniFile.h"
#include "platform/RuntimeError.h"
#include "support/TextFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.path() + QStringLiteral("/Quillmark.INI"); }

    Settings readFrom(const QString &text) const
    {
        writeTextFile(path(), text);
        return Settings::read(IniFile(path()));
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SettingsTest, MissingFileGivesTheDefaults)
{
    const Settings s = Settings::read(IniFile(path()));
    EXPECT_EQ(s, Settings{});
    EXPECT_EQ(s.leftAction, QStringLiteral("Select + Drag"));
    EXPECT_EQ(s.rightAction, QStringLiteral("Menu"));
    EXPECT_EQ(s.drawEngine, QStringLiteral("(1.2) Real Draw"));
    EXPECT_TRUE(s.autoOnTime);
    EXPECT_EQ(s.autoEvery, 5);
    EXPECT_EQ(s.autoTotal, 5);
    EXPECT_FALSE(s.showNews);
    EXPECT_TRUE(s.checkUpdates);
    EXPECT_EQ(s.selectionColor, 0x00FF00u);
    EXPECT_EQ(s.interactiveColor, 0x0000FFu);
    EXPECT_TRUE(s.server.isEmpty());
    EXPECT_TRUE(s.client.isEmpty());
}

TEST_F(SettingsTest, DefaultsAreWrittenAsTheKeyTableStatesThem)
{
    IniFile file(path());
    Settings{}.write(file);
    const IniFile written(path());
    int keysWithFields = 0;
    for (const SettingKey &k : settingKeys()) {
        const QString section = QString::fromLatin1(k.section), key = QString::fromLatin1(k.key);
        if (std::holds_alternative<std::monostate>(k.field)) {
            EXPECT_FALSE(written.valueExists(section, key)) << k.key;   // autosave keeps these
            continue;
        }
        ++keysWithFields;
        EXPECT_EQ(written.readString(section, key, QString()), k.defaultText) << k.key;
    }
    EXPECT_EQ(keysWithFields, 41);
    EXPECT_EQ(settingKeys().size(), 43u);
}

TEST_F(SettingsTest, WriteAndReadRoundTripEveryField)
{
    Settings s;
    s.perfectText = false;
    s.transparent = false;
    s.backgroundColor = 0x00A0B0C0;
    s.selectionColor = 0x0000FF;
    s.cacheImages = false;
    s.timeDrawing = false;
    s.showDrawGauge = false;
    s.blackColorBlack = false;
    s.allSelectionColor = true;
    s.autoEvery = 60;
    s.autoTotal = 20;
    s.autoOnRedraw = true;
    s.autoOnTime = false;
    s.autoOff = false;
    s.autoCurrent = 13;
    s.checkUpdates = false;
    s.showNews = true;
    s.mouseRead = false;
    s.dragRead = false;
    s.smallTicksColor = 1;
    s.largeTicksColor = 2;
    s.rulerBackgroundColor = 3;
    s.interactiveColor = 4;
    s.skip = 30;
    s.marked = 2;
    s.leftAction = QStringLiteral("AutoSave");
    s.rightAction = QStringLiteral("NONE");
    s.drawEngine = QStringLiteral("(1.1) Insert");
    s.offsetClone = false;
    s.exportVersion = QStringLiteral("48e - 51a");
    s.server = QStringLiteral("updates.example.net:8080");
    s.client = QStringLiteral("/home/me/games/client");
    s.gridShow = s.gridSnap = true;
    s.gridSpacing = 16;
    s.gridColor = 5;
    s.windowGeometry = QStringLiteral("AdnQywADAAA=");
    s.sphereProgram = QStringLiteral("/opt/sphere/SphereSvrX64_nightly");
    s.shardScripts = QStringLiteral("/home/me/shard/scripts with space");

    writeTextFile(path(), QStringLiteral("[COLOR]\r\nBackground=clRed\r\n[Realtime Engine]\r\nTextcolors=0\r\n"));
    IniFile file(path());
    s.write(file);
    EXPECT_EQ(Settings::read(IniFile(path())), s);
    // The keys autosave keeps are left alone.
    const IniFile written(path());
    EXPECT_EQ(written.readString("COLOR", "Background", {}), QStringLiteral("clRed"));
    EXPECT_EQ(written.readString("Realtime Engine", "Textcolors", {}), QStringLiteral("0"));
}

TEST_F(SettingsTest, NumbersThatAreNotNumbersTakeTheirDefaultAndTheReadGoesOn)
{
    struct Case { const char *text; QStringList problems; int skip, every, total; };
    const Case cases[] = {
        {"[Ruler]\r\nSKIP=abc\r\nMARK=4\r\n", {"'abc' is not a valid integer value in [Ruler] SKIP"}, 9, 5, 5},
        {"[Files]\r\nAuto=x\r\nAutoT=7\r\n", {"'x' is not a valid integer value in [Files] Auto"}, 9, 5, 7},
        {"[Files]\r\nAutoT=\r\nAuto=12\r\n", {"'' is not a valid integer value in [Files] AutoT"}, 9, 12, 5},
        {"[Ruler]\r\nSKIP=s\r\n[Files]\r\nAutoT=t\r\n",
         {"'t' is not a valid integer value in [Files] AutoT", "'s' is not a valid integer value in [Ruler] SKIP"}, 9, 5, 5},
        {"[Ruler]\r\nSKIP=$10\r\n", {}, 16, 5, 5},
        // Every and Total outside their spins' ranges, and a slot that is no number.
        {"[Files]\r\nAuto=0\r\n", {"'0' is not a value from 1 to 60 in [Files] Auto"}, 9, 5, 5},
        {"[Files]\r\nAuto=61\r\nAutoT=0\r\n",
         {"'61' is not a value from 1 to 60 in [Files] Auto", "'0' is not a value from 1 to 20 in [Files] AutoT"}, 9, 5, 5},
        {"[Files]\r\nAutoT=-2\r\n", {"'-2' is not a value from 1 to 20 in [Files] AutoT"}, 9, 5, 5},
        {"[Files]\r\nAuto=60\r\nAutoT=1\r\n", {}, 9, 60, 1},
        {"[Files]\r\nAuto=1\r\nAutoT=20\r\n", {}, 9, 1, 20},
        {"[Files]\r\nAutoCurrent=z\r\n", {"'z' is not a valid integer value in [Files] AutoCurrent"}, 9, 5, 5},
    };
    for (const Case &c : cases) {
        writeTextFile(path(), QString::fromLatin1(c.text));
        QStringList problems;
        const Settings s = Settings::read(IniFile(path()), &problems);
        EXPECT_EQ(problems, c.problems) << c.text;
        EXPECT_EQ(s.skip, c.skip) << c.text;
        EXPECT_EQ(s.autoEvery, c.every) << c.text;
        EXPECT_EQ(s.autoTotal, c.total) << c.text;
    }
    // The keys after a bad one are still read.
    EXPECT_EQ(readFrom(QStringLiteral("[Ruler]\r\nSKIP=abc\r\nMARK=4\r\n")).marked, 4);
}

TEST_F(SettingsTest, RadioGroupsKeepTheLastKeyReadAsOn)
{
    struct Case { const char *text; bool redraw, time, off; };
    const Case cases[] = {
        {"[Files]\r\nAuto1=1\r\n", false, true, false},   // Auto2 defaults to on and comes later
        {"[Files]\r\nAuto1=1\r\nAuto2=0\r\n", true, false, false},
        {"[Files]\r\nAuto3=1\r\n", false, false, true},
        {"[Files]\r\nAuto2=0\r\n", false, false, false},
    };
    for (const Case &c : cases) {
        const Settings s = readFrom(QString::fromLatin1(c.text));
        EXPECT_EQ(s.autoOnRedraw, c.redraw) << c.text;
        EXPECT_EQ(s.autoOnTime, c.time) << c.text;
        EXPECT_EQ(s.autoOff, c.off) << c.text;
    }
}

TEST_F(SettingsTest, OtherUnreadableValuesFallBackToTheirDefaults)
{
    const Settings s = readFrom(QStringLiteral(
        "[Ruler]\r\nMARK=seven\r\nMOUSEREAD=yes\r\nDRAGREAD=2\r\nSMALL=greyish\r\nLARGE=clred\r\nBACK=$00a0b0c0\r\n"
        "[Files]\r\nAutoCurrent=z\r\nAuto1=\r\n[Realtime Engine]\r\nASC=1\r\nBCB=0\r\n"));
    EXPECT_EQ(s.marked, 7);
    EXPECT_TRUE(s.mouseRead);
    EXPECT_TRUE(s.dragRead);
    EXPECT_EQ(s.smallTicksColor, 0x808080u);
    EXPECT_EQ(s.largeTicksColor, 0x0000FFu);
    EXPECT_EQ(s.rulerBackgroundColor, 0x00A0B0C0u);
    EXPECT_EQ(s.autoCurrent, 0);
    EXPECT_FALSE(s.autoOnRedraw);
    EXPECT_TRUE(s.allSelectionColor);
    EXPECT_FALSE(s.blackColorBlack);   // the later radio button read as on wins
    EXPECT_EQ(s.rulerStyle().background, 0x00A0B0C0u);
    EXPECT_EQ(s.rulerStyle().marked, 7);
}

TEST_F(SettingsTest, ChoiceTextsComeBackIntoTheirLists)
{
    EXPECT_EQ(Settings::normalizeLeftAction(QStringLiteral("Drag")), QStringLiteral("Select + Drag"));
    EXPECT_EQ(Settings::normalizeRightAction(QStringLiteral("Drag")), QStringLiteral("Menu"));
    EXPECT_EQ(Settings::normalizeRightAction(QStringLiteral("remove")), QStringLiteral("Remove"));
    EXPECT_EQ(Settings::normalizeLeftAction(QStringLiteral("NONE")), QStringLiteral("NONE"));
    EXPECT_EQ(Settings::normalizeDrawEngine(QStringLiteral("(1.1) Insert")), QStringLiteral("(1.1) Insert"));
    EXPECT_EQ(Settings::normalizeDrawEngine(QStringLiteral("Insert")), QStringLiteral("(1.2) Real Draw"));
    EXPECT_EQ(Settings::normalizeExportVersion(QStringLiteral("48e - 51a")), QStringLiteral("48e - 51a"));
    EXPECT_EQ(Settings::normalizeExportVersion(QString()), QStringLiteral("55i - 99g"));

    const Settings s = readFrom(QStringLiteral("[Mouse]\r\nLEFT=Drag\r\nRIGHT=select\r\n[STYLE]\r\nDrawengine=x\r\n"
                                               "[EXPORT]\r\nVersion=48E - 51A\r\n"));
    EXPECT_EQ(s.leftAction, QStringLiteral("Select + Drag"));
    EXPECT_EQ(s.rightAction, QStringLiteral("Select"));
    EXPECT_EQ(s.drawEngine, QStringLiteral("(1.2) Real Draw"));
    EXPECT_EQ(s.exportVersion, QStringLiteral("48e - 51a"));
}

TEST_F(SettingsTest, FilePathIsTheExecutableWithExtensionIni)
{
    EXPECT_EQ(Settings::filePathFor(QStringLiteral("C:\\Tools\\Brindle.exe")), QStringLiteral("C:\\Tools\\Brindle.INI"));
    EXPECT_EQ(Settings::filePathFor(QStringLiteral("/opt/q.d/quillmark")), QStringLiteral("/opt/q.d/quillmark.INI"));
    EXPECT_EQ(Settings::filePathFor(QStringLiteral("/opt/bin/quill.v2.exe")), QStringLiteral("/opt/bin/quill.v2.INI"));
    // Whatever the test program is called (the sanitized build names it otherwise).
    const QString own = QFileInfo(Settings::filePathFor(QCoreApplication::applicationFilePath())).fileName();
    EXPECT_TRUE(own.endsWith(QStringLiteral("_tests.INI"))) << own.toStdString();
    EXPECT_TRUE(Settings::filePath().endsWith(u'/' + own));
}

TEST_F(SettingsTest, UnwritableFileRaisesUnableToWrite)
{
    const QString missing = path() + QStringLiteral(".d/x.INI");
    IniFile file(missing);
    try {
        Settings{}.write(file);
        FAIL() << "no write error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + missing);
    }
}
