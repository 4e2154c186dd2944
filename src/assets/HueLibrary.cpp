#include "assets/HueLibrary.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <limits>

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

QStringList HueLibrary::indexLines() const
{
    const int count = std::clamp(total(), 0, maxIndexedEntries);
    const QHash<QString, QString> spheres = m_file.valuesBySection(Sphere);
    const QString missing = QStringLiteral("0");
    QStringList lines;
    lines.reserve(count);
    for (int k = 1; k <= count; ++k)
        lines.append(spheres.value(section(k), missing));
    return lines;
}

QHash<QString, QString> HueLibrary::colorTexts() const
{
    return m_file.valuesBySection(Color);
}
