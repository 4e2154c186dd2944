#include "net/HttpAddress.h"


namespace {

const QString kScheme = QStringLiteral("http://");

QByteArray encodePath(const QString &path)
{
    static const char hexDigits[] = "0123456789ABCDEF";
    QByteArray encoded;
    const QByteArray bytes = path.toUtf8();
    encoded.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || c == '#') {
            encoded += '%';
            encoded += hexDigits[byte >> 4];
            encoded += hexDigits[byte & 0x0F];
        } else {
            encoded += c;
        }
    }
    return encoded;
}

} // namespace

HttpAddress HttpAddress::split(const QString &url)
{
    QString rest = url;
    if (rest.startsWith(kScheme, Qt::CaseInsensitive))
        rest.remove(0, kScheme.size());

    HttpAddress address;
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        // No path at all: the whole remainder counts as the path, the host stays empty.
        address.path = rest;
        return address;
    }
    address.host = rest.left(slash);
    address.path = rest.mid(slash);
    return address;
}

bool HttpAddress::hasUsableHost() const
{
    const qsizetype colon = host.indexOf(QLatin1Char(':'));
    const QStringView name = QStringView(host).left(colon < 0 ? host.size() : colon);
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('-')))
        return false;
    for (const QChar c : name) {
        const bool allowed = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('_');
        if (!allowed)
            return false;
    }
    if (colon < 0)
        return true;

    const QStringView port = QStringView(host).mid(colon + 1);
    if (port.isEmpty() || port.size() > 5)
        return false;
    for (const QChar c : port) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const int number = port.toInt();
    return number >= 1 && number <= 65535;
}

QByteArray HttpAddress::clientUrl() const
{
    return kScheme.toLatin1() + host.toLatin1() + encodePath(path);
}
