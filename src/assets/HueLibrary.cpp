#include "assets/HueLibrary.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {
const QString Normals = QStringLiteral("NORMALS");
const QString Total = QStringLiteral("TOTAL");
const QString Name = QStringLiteral("NAME");
const QString Color = QStringLiteral("COLOR");
const QString Sphere = QStringLiteral("SPHERE");
} // namespace

HueLibrary::HueLibrary(const QString &appDir) : m_file(pathIn(appDir)) {}

QString HueLibrary::pathIn(const QString &appDir)
{
    return appDir + QStringLiteral("ColorLibary.INI");
}

int HueLibrary::total() const
{
    return m_file.readInteger(Normals, Total, defaultTotal);
}

QString HueLibrary::name(qint64 entry) const
{
    return m_file.readString(section(entry), Name, QStringLiteral("Example"));
}

QString HueLibrary::colorText(qint64 entry) const
{
    return m_file.readString(section(entry), Color, QStringLiteral("clBlack"));
}

QString HueLibrary::sphere(qint64 entry, const QString &fallback) const
{
    return m_file.readString(section(entry), Sphere, fallback);
}

int HueLibrary::append(const QString &name, ColorValue color, const QString &sphere)
{
    const int current = std::max(total(), 0);
    if (current == std::numeric_limits<int>::max())
        return 0;
    const int entry = current + 1;
    m_file.writeInteger(Normals, Total, entry);
    m_file.writeString(section(entry), Name, name);
    m_file.writeString(section(entry), Color, ColorText::toText(color));
    m_file.writeString(section(entry), Sphere, sphere);
    return entry;
}

int HueLibrary::pickerMaximum() const
{
    // Computed wide: TOTAL can be any 32-bit number in a hand-edited file.
    const qint64 maximum = qint64(total()) - (slotCount - 1);
    return maximum < 1 ? 1 : int(maximum);
}

QList<HueSlot> HueLibrary::pickerSlots(int position) const
{
    QList<HueSlot> shown;
    shown.reserve(slotCount);
    for (int k = 0; k < slotCount; ++k) {
        const qint64 entry = qint64(position) + k;
        shown.append(HueSlot{entry, name(entry), colorText(entry)});
    }
    return shown;
}

int HueLibrary::selectedHue(int position, int slot) const
{
    return NumberText::parse(sphere(qint64(position) + slot, QStringLiteral("95")));
}

std::optional<qint64> HueLibrary::entryOfHue(int hue) const
{
    const int count = total();
    std::optional<qint64> first;
    const QHash<QString, QString> spheres = m_file.valuesBySection(Sphere);
    for (auto it = spheres.cbegin(); it != spheres.cend(); ++it) {
        bool ok = false;
        const qint64 entry = it.key().toLongLong(&ok);
        // "07" names another section than entry 7's.
        if (!ok || entry < 1 || entry > count || section(entry) != it.key())
            continue;
        if (NumberText::tryParse(*it) == hue && (!first || entry < *first))
            first = entry;
    }
    return first;
}

QHash<QString, int> HueLibrary::firstEntries() const
{
    const int count = std::clamp(total(), 0, maxIndexedEntries);
    const QHash<QString, QString> spheres = m_file.valuesBySection(Sphere);
    QHash<QString, int> first;
    const auto note = [&first](const QString &text, int entry) {
        const auto known = first.constFind(text);
        if (known == first.cend() || entry < *known)
            first.insert(text, entry);
    };
    std::vector<int> present;
    present.reserve(size_t(spheres.size()));
    for (auto it = spheres.cbegin(); it != spheres.cend(); ++it) {
        bool ok = false;
        const int entry = it.key().toInt(&ok);
        // "07" or " 7" name other sections than entry 7's.
        if (!ok || entry < 1 || entry > count || section(entry) != it.key())
            continue;
        present.push_back(entry);
        note(it->toCaseFolded(), entry);
    }
    // The first entry without SPHERE is the first that reads as "0".
    std::sort(present.begin(), present.end());
    int missing = 1;
    for (const int entry : present) {
        if (entry != missing)
            break;
        ++missing;
    }
    if (missing <= count)
        note(QStringLiteral("0"), missing);
    return first;
}

QHash<QString, QString> HueLibrary::colorTexts() const
{
    return m_file.valuesBySection(Color);
}
