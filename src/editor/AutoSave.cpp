#include "editor/AutoSave.h"
#include "document/Document.h"
#include "editor/Settings.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <QDir>

#include <algorithm>

namespace AutoSaveRing {

namespace {

constexpr int DefaultTotal = 5;

// A key autosave keeps: read with its default, written back as read.
struct KeptKey
{
    const char *section;
    const char *key;
    const char *defaultText;   // null: the draw engine passed in
    bool boolean;
};

// The order in which they are written back.
const KeptKey Kept[] = {
    {"Realtime Engine", "Transparent", "1", true},
    {"Realtime Engine", "Textcolors", "1", true},
    {"Files", "Auto", "5", false},
    {"Files", "AutoT", "5", false},
    {"Files", "Auto1", "0", true},
    {"Files", "Auto2", "1", true},
    {"Files", "Auto3", "0", true},
    {"Files", "AutoCurrent", "0", false},
    {"Mouse", "LEFT", "Select + Drag", false},
    {"Mouse", "RIGHT", "Menu", false},
    {"COLOR", "Background", "clWhite", false},
    {"STYLE", "Drawengine", nullptr, false},
};

int numberOr(const QString &text, int fallback, QStringList &problems)
{
    if (const std::optional<int> n = NumberText::tryParse(text))
        return *n;
    problems << RuntimeError::notAnInteger(text).message();
    return fallback;
}

} // namespace

QString folderOf(const QString &appDir)
{
    return appDir + QStringLiteral("AutoSave");
}

QString slotPath(const QString &appDir, int slot)
{
    return folderOf(appDir) + QStringLiteral("/Auto.") + QString::number(slot);
}

Result saveOnce(IniFile &settings, const QString &appDir, const QStringList &lines, const QString &drawEngine,
                SlotCommits *commits)
{
    QList<IniFile::Entry> entries;
    for (const KeptKey &k : Kept) {
        const QString section = QString::fromLatin1(k.section), key = QString::fromLatin1(k.key);
        const QString fallback = k.defaultText ? QString::fromLatin1(k.defaultText) : drawEngine;
        QString value;
        if (k.boolean)
            value = settings.readBool(section, key, fallback == u"1") ? QStringLiteral("1") : QStringLiteral("0");
        else
            value = settings.readString(section, key, fallback);
        entries << IniFile::Entry{section, key, value};
    }
    auto valueOf = [&entries](const char *key) -> QString & {
        for (IniFile::Entry &e : entries)
            if (e.key == QLatin1String(key))
                return e.value;
        Q_UNREACHABLE();
    };

    Result r;
    const int slot = numberOr(valueOf("AutoCurrent"), 0, r.problems);
    int total = numberOr(valueOf("AutoT"), DefaultTotal, r.problems);
    // A ring of thousands of slots, or of none, is no ring the options window can set.
    if (NumberText::tryParse(valueOf("AutoT")) && (total < Settings::autoTotalMin || total > Settings::autoTotalMax)) {
        r.problems << RuntimeError::outOfRange(valueOf("AutoT"), Settings::autoTotalMin, Settings::autoTotalMax).message();
        total = DefaultTotal;
    }

    QDir().mkpath(folderOf(appDir));
    r.file = slotPath(appDir, slot);
    SafeFile::Pending slotFile = SafeFile::writeAside(r.file, Document::projectText(lines));

    // In 64 bits: a slot of 2^31 - 1 wraps instead of overflowing.
    r.nextSlot = qint64(slot) + 1 > total ? 0 : slot + 1;
    valueOf("AutoCurrent") = QString::number(r.nextSlot);
    valueOf("AutoT") = QString::number(total);
    if (commits)
        commits->add(std::move(slotFile));
    else
        slotFile.commit();
    settings.writeAll(entries);
    return r;
}

SlotCommits::SlotCommits(std::function<void(const QString &)> failed, Commit commit)
    : m_failed(std::move(failed)), m_commit(std::move(commit))
{
    m_thread.setMaxThreadCount(1); // one thread: slots reach their names in the order they were written
}

SlotCommits::~SlotCommits()
{
    m_thread.waitForDone();
}

void SlotCommits::add(SafeFile::Pending slot)
{
    bool replaced = false;
    {
        const std::lock_guard lock(m_mutex);
        const auto same = std::find_if(m_waiting.begin(), m_waiting.end(),
                                       [&slot](const SafeFile::Pending &p) { return p.path() == slot.path(); });
        if (same != m_waiting.end()) {
            std::swap(*same, slot);
            replaced = true;
        } else {
            m_waiting.push_back(std::move(slot));
        }
    }
    // One run per slot in the queue; a replaced slot's file goes with `slot` here.
    if (!replaced)
        m_thread.start([this] { commitNext(); });
}

void SlotCommits::commitNext()
{
    std::optional<SafeFile::Pending> next;
    {
        const std::lock_guard lock(m_mutex);
        next.emplace(std::move(m_waiting.front()));
        m_waiting.pop_front();
    }
    try {
        if (m_commit)
            m_commit(*next);
        else
            next->commit();
    } catch (const RuntimeError &e) {
        QMetaObject::invokeMethod(&m_owner, [this, message = e.message()] { m_failed(message); },
                                  Qt::QueuedConnection);
    }
}

std::optional<QString> FailureNotice::failed(const QString &message)
{
    if (m_shown == message)
        return std::nullopt;
    m_shown = message;
    return message;
}

} // namespace AutoSaveRing
