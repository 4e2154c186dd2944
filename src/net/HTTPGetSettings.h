#pragma once

#include <QString>

// What a download is asked to do. The component publishes these fields and
// hands its worker a copy, so changes made during a download do not reach it.
struct HTTPGetSettings
{
    QString AcceptTypes = QStringLiteral("*/*");
    QString Agent = QStringLiteral("Quillmark HTTPGet"); // empty: no client name is sent
    bool BinaryData = false;  // a response without Content-Length is then not read at all
    QString URL;              // "http://" host[:port] "/" path
    bool UseCache = false;    // false asks every cache on the way for a fresh copy
    QString FileName;         // relative to the current directory unless absolute
    QString UserName;
    QString Password;
    QString PostQuery;        // not empty: a form POST with this body
    QString Referer;
    // A body larger than this is refused, and the whole download ends after
    // DeadlineSeconds however slowly bytes arrive. The previous local file is
    // replaced only once the whole body has arrived.
    qint64 MaxSize = qint64(64) * 1024 * 1024;
    int DeadlineSeconds = 600;
};
