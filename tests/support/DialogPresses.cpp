#include "support/DialogPresses.h"

#include "sphereclient/SphereLoginClient.h"

#include <QDeadlineTimer>
#include <QSet>

namespace {

// At most sixteen presses or 16 KiB of replies are on their way at once.
constexpr qsizetype Window = 16;
constexpr qsizetype WindowBytes = 16 * 1024;

} // namespace

PressedDialogs pressDialogs(const QList<std::pair<QString, QByteArray>> &scriptFiles,
                            const QList<std::pair<QString, QList<DialogPress>>> &presses, qsizetype singly)
{
    PressedDialogs result;
    SphereTestServer server(SphereTestServer::binary());
    for (const auto &[name, bytes] : scriptFiles)
        server.addScript(name, bytes);
    QList<std::pair<QString, int>> openings;
    qint64 total = 0;
    for (const auto &[dialog, list] : presses) {
        openings.append({dialog, int(std::max<qsizetype>(1, list.size()))});
        total += std::max<qsizetype>(1, list.size());
    }
    server.openOnLogin(openings);
    if (!server.start(&result.error)) {
        result.log = server.log();
        return result;
    }

    SphereLoginClient client({.port = server.port(), .account = server.accountName(), .password = server.password()});
    const QDeadlineTimer deadline(30000 + 100 * total);
    SphereCollection opened;
    if (client.logIn(deadline))
        opened = client.collectUntil(QLatin1String(SphereTestServer::DoneMarker), deadline);
    const QString openMarker = QLatin1String(SphereTestServer::OpenMarker);
    QString current;
    for (const ServerEvent &event : std::as_const(opened.events)) {
        if (event.kind == ServerEvent::Message && event.message.startsWith(openMarker)) {
            current = event.message.mid(openMarker.size());
            result.dialogs.insert(current, {});
        } else if (event.kind == ServerEvent::Gump && !current.isEmpty() && !result.dialogs[current].gump) {
            result.dialogs[current].gump = event.gump;
        }
    }

    // What the login still had on its way (the greeting) comes before the
    // answer to a first ping. The presses then go out a window at a time: the
    // server drops a client that sends more than its input buffer holds.
    QList<std::pair<QString, GumpReply>> replies;
    for (const auto &[dialog, list] : presses) {
        const std::optional<ReceivedGump> gump = result.dialogs.value(dialog).gump;
        // A dialog that never arrived is answered as if it had: the server
        // ignores it, and the press brings nothing.
        for (const DialogPress &press : list)
            replies.append({dialog, GumpReply{gump ? gump->serial : 0, gump ? gump->gumpId : 0, press.button,
                                              press.switches, press.entries}});
    }
    qsizetype answered = 0;
    const bool loggedIn = client.failure() == SphereLoginClient::Failure::None && opened.endMarkerSeen;
    result.opened = loggedIn;
    if (loggedIn && client.ping(0xFF))
        client.collectPongs(1, deadline);
    QStringList messages;
    for (qsizetype first = 0, count = 0; loggedIn && first < replies.size(); first += count) {
        qsizetype bytes = 0;
        count = 0;
        while (first + count < replies.size() && count < (first < singly ? 1 : Window)) {
            bytes += writeGumpReply(replies[first + count].second).value_or(QByteArray()).size();
            if (count > 0 && bytes > WindowBytes)
                break;
            ++count;
        }
        qsizetype sent = 0;
        while (sent < count && client.sendGumpReply(replies[first + sent].second) && client.ping(quint8(sent)))
            ++sent;
        for (const ServerEvent &event : client.collectPongs(int(sent), deadline).events) {
            if (event.kind == ServerEvent::Message) {
                messages << event.message;
            } else if (event.kind == ServerEvent::Pong && answered < replies.size()) {
                result.dialogs[replies[answered++].first].messages << messages;
                messages.clear();
                ++result.pressed;
            }
        }
        if (answered < first + count)
            break;
    }

    if (client.failure() != SphereLoginClient::Failure::None)
        result.error = client.errorString()
                       + (answered < replies.size() ? QStringLiteral(" (pressing %1 of %2, button %3)")
                                                          .arg(replies[answered].first)
                                                          .arg(answered)
                                                          .arg(replies[answered].second.button)
                                                    : QString());
    else if (!opened.endMarkerSeen)
        result.error = QStringLiteral("\"%1\" did not arrive in time").arg(QLatin1String(SphereTestServer::DoneMarker));
    else if (answered < replies.size())
        result.error = QStringLiteral("%1 of %2 presses were answered in time").arg(answered).arg(replies.size());
    server.stop();
    result.log = server.log();
    if (!result.error.isEmpty())
        result.error += QStringLiteral("\nServer log:\n") + result.log;
    return result;
}

namespace {

bool isRoundTrip(const QString &dialog) { return dialog.endsWith(u"_rt"); }
QString originalOf(const QString &dialog) { return isRoundTrip(dialog) ? dialog.chopped(3) : dialog; }

// One side's dialogs pressed in as many sessions as its blocks end, each
// going on after the press that ended the last.
void pressSide(const QList<std::pair<QString, QByteArray>> &files, QList<std::pair<QString, QList<DialogPress>>> side,
               int maxSessions, PressedSides &out)
{
    QHash<QString, QList<QStringList>> partial;   // presses made of a dialog a session ended in
    qsizetype singly = 0;
    for (int session = 0; !side.isEmpty() && session < maxSessions; ++session) {
        const PressedDialogs got = pressDialogs(files, side, singly);
        ++out.sessions;
        qsizetype next = side.size(), answered = 0;
        for (qsizetype k = 0; k < side.size(); ++k) {
            const QString &dialog = side[k].first;
            const QList<QStringList> messages = got.dialogs.value(dialog).messages;
            if (messages.size() < side[k].second.size()) {
                next = k;
                break;
            }
            answered += messages.size();
            out.ran.insert(dialog, partial.take(dialog) + messages);
        }
        if (next >= side.size())
            break;
        out.sessionEnd = got.error.section(u'\n', 0, 0).left(200);
        if (!got.opened) {
            // A layout ended the session while the login opened the dialogs
            // (or the server did not start): the last one opened goes unpressed.
            qsizetype last = -1;
            for (qsizetype k = 0; k < side.size(); ++k)
                if (got.dialogs.contains(side[k].first))
                    last = k;
            if (last < 0)
                break;
            partial.remove(side[last].first);
            side.remove(last);
            continue;
        }
        const QString dialog = side[next].first;
        const QList<QStringList> messages = got.dialogs.value(dialog).messages;
        partial[dialog] += messages;
        side[next].second.remove(0, messages.size());
        if (answered + messages.size() < singly) {
            // Sent alone, the first press unanswered ended the session.
            partial[dialog] << QStringList{SessionEnded};
            side[next].second.remove(0, 1);
            if (side[next].second.isEmpty()) {
                out.ran.insert(dialog, partial.take(dialog));
                ++next;
            }
        }
        side.remove(0, next);
        // The press that ended it is among the next window's; sent one at a
        // time they tell which, and the ones after it (a dialog's buttons
        // often end a session alike) too.
        singly = Window;
    }
}

PressedSides pressEachSide(const QList<std::pair<QString, QByteArray>> &files,
                           const QList<std::pair<QString, QList<DialogPress>>> &presses, int maxSessions)
{
    QList<std::pair<QString, QList<DialogPress>>> originals, roundTrips;
    for (const auto &press : presses)
        (isRoundTrip(press.first) ? roundTrips : originals).append(press);
    PressedSides out;
    pressSide(files, originals, maxSessions, out);
    pressSide(files, roundTrips, maxSessions, out);
    return out;
}

} // namespace

PressedSides pressOnBothSides(const QList<std::pair<QString, QByteArray>> &scriptFiles,
                              const QList<std::pair<QString, QList<DialogPress>>> &presses, int maxSessions)
{
    PressedSides out = pressEachSide(scriptFiles, presses, maxSessions);
    QList<std::pair<QString, QList<DialogPress>>> again;
    for (const auto &press : presses) {
        const QString original = originalOf(press.first), roundTrip = original + "_rt";
        if (!out.ran.contains(original) || !out.ran.contains(roundTrip) || out.ran.value(original) != out.ran.value(roundTrip))
            again.append(press);
    }
    if (again.isEmpty())
        return out;
    const PressedSides retried = pressEachSide(scriptFiles, again, maxSessions);
    out.sessions += retried.sessions;
    for (const auto &press : std::as_const(again)) {
        const QString original = originalOf(press.first), roundTrip = original + "_rt";
        if (!isRoundTrip(press.first))
            ++out.retried;
        if (retried.ran.contains(original) && retried.ran.contains(roundTrip)) {
            out.ran.insert(original, retried.ran.value(original));
            out.ran.insert(roundTrip, retried.ran.value(roundTrip));
        }
    }
    return out;
}

QList<DialogPress> pressesOf(const ReceivedGump &gump)
{
    const auto number = [](const QStringList &c, int k) -> std::optional<qint64> {
        bool ok = false;
        const qint64 n = c.value(k).toLongLong(&ok);
        return ok ? std::optional<qint64>(n) : std::nullopt;
    };
    DialogPress state;
    QList<quint32> buttons;
    QSet<quint32> seen;
    for (const QStringList &c : gump.controls) {
        const QString word = c.value(0).toLower();
        if (word == u"button" || word == u"buttontileart") {
            // button x y up down quit page id: only quit 1 replies
            const auto quit = number(c, 5), id = number(c, 7);
            if (quit == 1 && id && *id >= 0 && *id <= 0xFFFFFFFF && !seen.contains(quint32(*id))) {
                seen.insert(quint32(*id));
                buttons << quint32(*id);
            }
        } else if (word == u"checkbox" || word == u"radio") {
            // checkbox x y up down state id
            if (number(c, 5).value_or(0) != 0)
                if (const auto id = number(c, 6))
                    state.switches << quint32(*id);
        } else if (word == u"textentry" || word == u"textentrylimited") {
            // textentry x y w h hue id index [limit]
            const auto id = number(c, 6), index = number(c, 7);
            if (id && index && *index >= 0 && *index < gump.texts.size())
                state.entries.append({quint16(*id), gump.texts[int(*index)]});
        }
    }
    QList<DialogPress> presses;
    for (const quint32 button : std::as_const(buttons)) {
        DialogPress p = state;
        p.button = button;
        presses << p;
    }
    if (!seen.contains(0)) {
        DialogPress close = state;
        presses << close;
    }
    return presses;
}
