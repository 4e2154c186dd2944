#pragma once

#include <QByteArray>
#include <QString>

// A download address taken apart the way the download component reads it:
// an optional "http://" (any letter case), the host up to the first "/",
// and the path from that "/" on. Nothing else (query, user, escapes) is
// interpreted; the path travels to the server as it stands.
struct HttpAddress
{
    QString host; // may carry a port: "example.org:8080"
    QString path; // begins with "/" whenever host is not empty

    static HttpAddress split(const QString &url);

    // True when host is a plain host name or IPv4 address with an optional
    // port. Anything else would make the client read the address differently
    // from the way it was split (user info, other schemes, spaces).
    bool hasUsableHost() const;

    // The address for the HTTP client: "http://" + host + path, where bytes
    // the client would otherwise reinterpret or reject (blanks, controls,
    // "#", non-ASCII) are percent-encoded and everything else is kept.
    QByteArray clientUrl() const;
};
