#include "editor/Settings.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <QCoreApplication>

#include <optional>
#include <type_traits>

namespace {

QString choiceOf(const QString &text, const QStringList &items, const QString &fallback)
{
    for (const QString &item : items)
        if (text.compare(item, Qt::CaseInsensitive) == 0)
            return item;
    return fallback;
}

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

// Reads one key into its field. A key that must be a number and is not one
// takes its default; the conversion error goes to problems.
void readKey(const IniFile &file, const SettingKey &k, Settings &s, QStringList &problems)
{
    const QString section = latin1(k.section), key = latin1(k.key), fallback = k.defaultText;
    std::visit([&](auto member) {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, bool Settings::*>) {
            s.*member = file.readBool(section, key, NumberText::parse(fallback) != 0);
        } else if constexpr (std::is_same_v<Member, ColorValue Settings::*>) {
            const QString text = file.readString(section, key, fallback);
            try {
                s.*member = ColorText::fromText(text);
            } catch (const RuntimeError &) {
                s.*member = ColorText::fromText(fallback);
            }
        } else if constexpr (std::is_same_v<Member, int Settings::*>) {
            const QString text = file.readString(section, key, fallback);
            std::optional<int> number = NumberText::tryParse(text);
            const auto named = [&](const RuntimeError &e) {
                problems << QStringLiteral("%1 in [%2] %3").arg(e.message(), section, key);
            };
            if (!number && k.mustBeNumber) {
                named(RuntimeError::notAnInteger(text));
            } else if (number && (k.minimum || k.maximum) && (*number < k.minimum || *number > k.maximum)) {
                named(RuntimeError::outOfRange(text, k.minimum, k.maximum));
                number.reset();
            }
            s.*member = number.value_or(NumberText::parse(fallback));
        } else if constexpr (std::is_same_v<Member, QString Settings::*>) {
            const QString text = file.readString(section, key, fallback);
            s.*member = k.normalize ? k.normalize(text) : text;
        }
    }, k.field);
}

// The stored text of one field; nothing for the keys without a field.
std::optional<IniFile::Entry> entryOf(const SettingKey &k, const Settings &s)
{
    const std::optional<QString> value = std::visit([&](auto member) -> std::optional<QString> {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, bool Settings::*>)
            return s.*member ? QStringLiteral("1") : QStringLiteral("0");
        else if constexpr (std::is_same_v<Member, ColorValue Settings::*>)
            return ColorText::toText(s.*member);
        else if constexpr (std::is_same_v<Member, int Settings::*>)
            return QString::number(s.*member);
        else if constexpr (std::is_same_v<Member, QString Settings::*>)
            return s.*member;
        else
            return std::nullopt;
    }, k.field);
    if (!value)
        return std::nullopt;
    return IniFile::Entry{latin1(k.section), latin1(k.key), *value};
}

// Radio buttons of one group loaded one after the other: the last one read
// as on is the one that stays on.
void settleGroup(std::initializer_list<bool *> group)
{
    bool *last = nullptr;
    for (bool *b : group)
        if (*b)
            last = b;
    for (bool *b : group)
        *b = b == last;
}

} // namespace

const std::vector<SettingKey> &settingKeys()
{
    using F = SettingForm;
    using S = Settings;
    static const std::vector<SettingKey> keys{
        {"Realtime Engine", "PERFECTtext", F::Boolean, "1", &S::perfectText},
        {"Realtime Engine", "Transparent", F::Boolean, "1", &S::transparent},
        {"Realtime Engine", "Background", F::Colour, "clWhite", &S::backgroundColor},
        {"Realtime Engine", "Selection", F::Colour, "clLime", &S::selectionColor},
        {"Realtime Engine", "CacheC", F::Boolean, "1", &S::cacheImages},
        {"Realtime Engine", "TIMEING", F::Boolean, "1", &S::timeDrawing},
        {"Realtime Engine", "GAUGE", F::Boolean, "1", &S::showDrawGauge},
        {"Realtime Engine", "BCB", F::Boolean, "1", &S::blackColorBlack},
        {"Realtime Engine", "ASC", F::Boolean, "0", &S::allSelectionColor},
        {"Realtime Engine", "Textcolors", F::Boolean, "1", std::monostate{}},
        {"Files", "Auto", F::Number, "5", &S::autoEvery, true, nullptr, S::autoEveryMin, S::autoEveryMax},
        {"Files", "AutoT", F::Number, "5", &S::autoTotal, true, nullptr, S::autoTotalMin, S::autoTotalMax},
        {"Files", "Auto1", F::Boolean, "0", &S::autoOnRedraw},
        {"Files", "Auto2", F::Boolean, "1", &S::autoOnTime},
        {"Files", "Auto3", F::Boolean, "0", &S::autoOff},
        {"Files", "AutoCurrent", F::Number, "0", &S::autoCurrent, true},
        {"Files", "Client", F::Text, "", &S::client},
        {"STARTUP", "UPDATE", F::Boolean, "1", &S::checkUpdates},
        {"STARTUP", "NEWS", F::Boolean, "0", &S::showNews},
        {"STARTUP", "Server", F::Text, "", &S::server},
        {"Ruler", "MOUSEREAD", F::Boolean, "1", &S::mouseRead},
        {"Ruler", "DRAGREAD", F::Boolean, "1", &S::dragRead},
        {"Ruler", "SMALL", F::Colour, "clGray", &S::smallTicksColor},
        {"Ruler", "LARGE", F::Colour, "clBlack", &S::largeTicksColor},
        {"Ruler", "BACK", F::Colour, "clWhite", &S::rulerBackgroundColor},
        {"Ruler", "INTER", F::Colour, "clRed", &S::interactiveColor},
        {"Ruler", "SKIP", F::Number, "9", &S::skip, true},
        {"Ruler", "MARK", F::Number, "7", &S::marked},
        {"Mouse", "LEFT", F::Text, "Select + Drag", &S::leftAction, false, &Settings::normalizeLeftAction},
        {"Mouse", "RIGHT", F::Text, "Menu", &S::rightAction, false, &Settings::normalizeRightAction},
        {"STYLE", "Drawengine", F::Text, "(1.2) Real Draw", &S::drawEngine, false, &Settings::normalizeDrawEngine},
        {"STYLE", "offsetclone", F::Boolean, "1", &S::offsetClone},
        {"EXPORT", "Version", F::Text, SphereDialect::V55iTo99g, &S::exportVersion, false,
         &Settings::normalizeExportVersion},
        {"COLOR", "Background", F::Colour, "clWhite", std::monostate{}},
        {"Grid", "Show", F::Boolean, "0", &S::gridShow},
        {"Grid", "Snap", F::Boolean, "0", &S::gridSnap},
        {"Grid", "Spacing", F::Number, "10", &S::gridSpacing},
        {"Grid", "Color", F::Colour, "clSilver", &S::gridColor},
        {"Window", "Geometry", F::Text, "", &S::windowGeometry},
        {"Server", "Program", F::Text, "", &S::sphereProgram},
        {"Server", "Scripts", F::Text, "", &S::shardScripts},
        {"Canvas", "ScreenWidth", F::Number, "800", &S::screenWidth, true, nullptr, S::screenSideMin, S::screenSideMax},
        {"Canvas", "ScreenHeight", F::Number, "600", &S::screenHeight, true, nullptr, S::screenSideMin,
         S::screenSideMax},
    };
    return keys;
}

Settings Settings::read(const IniFile &file, QStringList *problems)
{
    Settings s;
    QStringList found;
    for (const SettingKey &k : settingKeys())
        readKey(file, k, s, found);
    settleGroup({&s.blackColorBlack, &s.allSelectionColor});
    settleGroup({&s.autoOnRedraw, &s.autoOnTime, &s.autoOff});
    if (problems)
        *problems << found;
    return s;
}

void Settings::write(IniFile &file) const
{
    QList<IniFile::Entry> entries;
    for (const SettingKey &k : settingKeys())
        if (const std::optional<IniFile::Entry> e = entryOf(k, *this))
            entries << *e;
    file.writeAll(entries);
}

QString Settings::filePathFor(const QString &executablePath)
{
    const qsizetype nameStart = std::max(executablePath.lastIndexOf(u'/'), executablePath.lastIndexOf(u'\\')) + 1;
    const qsizetype dot = executablePath.lastIndexOf(u'.');
    const QString stem = dot > nameStart ? executablePath.left(dot) : executablePath;
    return stem + QStringLiteral(".INI");
}

QString Settings::filePath()
{
    return filePathFor(QCoreApplication::applicationFilePath());
}

const QStringList &Settings::mouseActions()
{
    static const QStringList items{QStringLiteral("Select + Drag"), QStringLiteral("Menu"), QStringLiteral("Select"),
                                   QStringLiteral("Remove"), QStringLiteral("AutoSave"), QStringLiteral("NONE")};
    return items;
}

const QStringList &Settings::drawEngines()
{
    static const QStringList items{QStringLiteral("(1.1) Insert"), QStringLiteral("(1.2) Real Draw")};
    return items;
}

QString Settings::normalizeLeftAction(const QString &text)
{
    return choiceOf(text, mouseActions(), mouseActions().at(0));
}

QString Settings::normalizeRightAction(const QString &text)
{
    return choiceOf(text, mouseActions(), mouseActions().at(1));
}

QString Settings::normalizeDrawEngine(const QString &text)
{
    return choiceOf(text, drawEngines(), drawEngines().at(1));
}

QString Settings::normalizeExportVersion(const QString &text)
{
    return choiceOf(text, exportVersions(), exportVersions().at(0));
}
