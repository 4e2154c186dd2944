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
};
