#include "support/DialogPresses.h"

#include "sphereclient/SphereLoginClient.h"

#include <QDeadlineTimer>
#include <QSet>

PressedDialogs pressDialogs(const QList<std::pair<QString, QByteArray>> &scriptFiles,
                            const QList<std::pair<QString, QList<DialogPress>>> &presses)
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
    // At most sixteen presses or 16 KiB of replies are on their way at once.
    constexpr qsizetype Window = 16;
    constexpr qsizetype WindowBytes = 16 * 1024;
    qsizetype answered = 0;
    const bool loggedIn = client.failure() == SphereLoginClient::Failure::None && opened.endMarkerSeen;
    if (loggedIn && client.ping(0xFF))
        client.collectPongs(1, deadline);
    QStringList messages;
    for (qsizetype first = 0, count = 0; loggedIn && first < replies.size(); first += count) {
        qsizetype bytes = 0;
        count = 0;
        while (first + count < replies.size() && count < Window) {
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
