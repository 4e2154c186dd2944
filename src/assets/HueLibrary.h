#pragma once

#include "platform/ColorText.h"
#include "platform/IniFile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What one slot of the hue picker shows.
struct HueSlot
{
    qint64 entry = 0;        // library entry number (position + slot)
    QString name;            // NAME, "Example" when missing
    QString colorText;       // COLOR, "clBlack" when missing

    // Throws RuntimeError "'text' is not a valid integer value" when COLOR
    // is neither a colour name nor a number.
    ColorValue color() const { return ColorText::fromText(colorText); }
};

// The hue library ColorLibary.INI in the data directory: hue entries 1..TOTAL
// in sections named by their number, each with NAME, COLOR and SPHERE.
//
// An object is one reading of the file, taken when it is made. Every
// operation makes a fresh one, so edits made by other means are always seen:
//     HueLibrary(appDir).pickerMaximum()
class HueLibrary
{
public:
    static constexpr int slotCount = 10;       // the picker's slots
    static constexpr int defaultTotal = 10;

    explicit HueLibrary(const QString &appDir);

    static QString pathIn(const QString &appDir);   // appDir + "ColorLibary.INI"
    QString path() const { return m_file.path(); }

    // TOTAL of NORMALS, 10 when missing or not a number. May be 0 or negative
    // in a hand-edited file; users must not trust it as a count.
    int total() const;

    QString name(qint64 entry) const;                            // default "Example"
    QString colorText(qint64 entry) const;                       // default "clBlack"
    QString sphere(qint64 entry, const QString &fallback) const; // SPHERE text as stored

    // Appends an entry: TOTAL raised first, then NAME, COLOR and SPHERE of the
    // new section, everything else in the file kept. SPHERE is written as
    // typed, unchecked. Returns the new entry number, or 0 (nothing written)
    // when TOTAL is already the largest number a count can hold. A TOTAL below
    // 0 counts as 0, so the new entry is one the picker and index can reach.
    // Throws RuntimeError "Unable to write to <path>"; keys written before
    // the failing one stay written.
    int append(const QString &name, ColorValue color, const QString &sphere);

    // The picker's scroll bar runs from 1 to TOTAL - 9, or 1 to 1 when that
    // would fall below 1 (fewer than ten entries).
    int pickerMaximum() const;

    // The ten slots at a scroll position: slot k shows entry position + k,
    // with the defaults past TOTAL.
    QList<HueSlot> pickerSlots(int position) const;

    // The first entry 1..TOTAL whose SPHERE is the number hue, if any: the
    // one the picker checks for a text of that hue.
    std::optional<qint64> entryOfHue(int hue) const;

    // Ok: the SPHERE of entry position + slot as a number, "95" when missing.
    // Throws RuntimeError "'text' is not a valid integer value" otherwise.
    int selectedHue(int position, int slot) const;

    // The text index as it is searched: for each SPHERE text of entries
    // 1..TOTAL, case-folded, the first entry that has it; entries without
    // SPHERE read as "0". A hand-edited TOTAL can be huge, so at most
    // maxIndexedEntries entries count. Made from the sections the file holds,
    // so the work follows the file, never TOTAL.
    static constexpr int maxIndexedEntries = 100000;
    QHash<QString, int> firstEntries() const;

    // COLOR of every entry that has one, by entry number in decimal.
    QHash<QString, QString> colorTexts() const;

private:
    static QString section(qint64 entry) { return QString::number(entry); }

    IniFile m_file;
};
