#pragma once

#include "platform/ColorText.h"
#include "render/Rulers.h"
#include "sphere/SphereDialect.h"

#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

class IniFile;

// Every option of the program, as the settings file beside the executable
// stores it. Defaults are those of a missing file or key.
struct Settings
{
    // "Realtime Engine"
    bool perfectText = true;
    bool transparent = true;
    ColorValue backgroundColor = 0xFFFFFF;
    ColorValue selectionColor = 0x00FF00;
    bool cacheImages = true;
    bool timeDrawing = true;
    bool showDrawGauge = true;
    bool blackColorBlack = true;
    bool allSelectionColor = false;
    // "Files": autosave
    int autoEvery = 5;            // minutes
    int autoTotal = 5;            // highest slot of the ring
    bool autoOnRedraw = false;
    bool autoOnTime = true;
    bool autoOff = false;
    int autoCurrent = 0;          // next slot
    QString client;               // the game client's folder; empty: none chosen
    // "STARTUP"
    bool checkUpdates = true;
    bool showNews = false;
    QString server;               // update server; empty: no update server
    // "Ruler"
    bool mouseRead = true;
    bool dragRead = true;
    ColorValue smallTicksColor = 0x808080;
    ColorValue largeTicksColor = 0x000000;
    ColorValue rulerBackgroundColor = 0xFFFFFF;
    ColorValue interactiveColor = 0x0000FF;
    int skip = 9;
    int marked = 7;
    // "Mouse"
    QString leftAction = QStringLiteral("Select + Drag");
    QString rightAction = QStringLiteral("Menu");
    // "STYLE"
    QString drawEngine = QStringLiteral("(1.2) Real Draw");
    bool offsetClone = true;
    // "EXPORT"
    QString exportVersion = SphereDialect::V55iTo99g;
    // "Grid": drawn over the canvas; moves snap to it (and to other elements' edges)
    bool gridShow = false;
    bool gridSnap = false;
    int gridSpacing = 10;
    ColorValue gridColor = 0xC0C0C0;
    // "Canvas": the client's screen, outlined on the canvas from the dialog's location
    int screenWidth = 800;
    int screenHeight = 600;
    // "Window": the main window's geometry as the window system gave it; empty at first start
    QString windowGeometry;
    // "Server": the user's own Sphere server, which shows a design as a player gets it
    QString sphereProgram;        // its executable; empty: none named
    QString shardScripts;         // the shard's scripts folder; empty: none

    bool operator==(const Settings &) const = default;

    RulerStyle rulerStyle() const { return {skip, marked, smallTicksColor, largeTicksColor, rulerBackgroundColor}; }

    // Missing keys give the defaults. A "SKIP", "Auto" ("Every"), "AutoT"
    // ("Total") or "AutoCurrent" that is not a number, or an "Auto" or
    // "AutoT" outside its spin's range, takes its default too, and its error
    // ("'text' is not a valid integer value in [Files] Auto") is added to
    // problems; the other keys are read as usual. Any other unreadable value
    // gives its default, choice texts are brought into their lists, and of
    // each radio group the last key read as on is the one on.
    static Settings read(const IniFile &file, QStringList *problems = nullptr);

    // Writes every key except the two that only autosave keeps, in one
    // rewrite of the file. Throws RuntimeError "Unable to write to <path>"
    // and leaves the file as it was when that fails.
    void write(IniFile &file) const;

    // The settings file of an executable: its path with the extension
    // replaced by ".INI" (or ".INI" added when it has none).
    static QString filePathFor(const QString &executablePath);
    // The running program's settings file.
    static QString filePath();

    // Spin edit ranges of the options window.
    static constexpr int autoEveryMin = 1, autoEveryMax = 60;
    static constexpr int autoTotalMin = 1, autoTotalMax = 20;
    static constexpr int skipMin = 9, skipMax = 30;
    static constexpr int markedMin = 2, markedMax = 10;
    static constexpr int gridSpacingMin = 2, gridSpacingMax = 200;
    static constexpr int screenSideMin = 0, screenSideMax = 8192;   // 0: no outline

    // Choice lists of the combo boxes and their change handlers' rule: a text
    // that is one of the items (ignoring case) becomes that item, any other
    // text the list's default.
    static const QStringList &mouseActions();     // "Select + Drag", "Menu", ...
    static const QStringList &drawEngines();      // "(1.1) Insert", "(1.2) Real Draw"
    static const QStringList &exportVersions() { return SphereDialect::all(); }
    static QString normalizeLeftAction(const QString &text);
    static QString normalizeRightAction(const QString &text);
    static QString normalizeDrawEngine(const QString &text);
    static QString normalizeExportVersion(const QString &text);
};

// The keys of the settings file in file order, with their value forms and
// defaults as stored text. Keys without a field ("Textcolors" and "COLOR" /
// "Background") are kept by autosave only.
enum class SettingForm { Boolean, Colour, Number, Text };

struct SettingKey
{
    using Field = std::variant<std::monostate, bool Settings::*, ColorValue Settings::*, int Settings::*,
                               QString Settings::*>;

    const char *section;
    const char *key;
    SettingForm form;
    QString defaultText;
    Field field;
    bool mustBeNumber = false;                       // reading fails on other text
    QString (*normalize)(const QString &) = nullptr; // choice lists
    int minimum = 0, maximum = 0;                    // a number outside fails; both 0: any number
};

const std::vector<SettingKey> &settingKeys();
