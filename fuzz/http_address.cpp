// One input is a download address as typed into the settings.
#include "fuzz/FuzzInput.h"
#include "net/HttpAddress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString url = QString::fromUtf8(FuzzInput::bytes(data, size));
    const HttpAddress address = HttpAddress::split(url);
    FuzzInput::check(address.host.isEmpty() || address.path.startsWith(u'/'));
    if (!address.hasUsableHost())
        return 0;
    const QByteArray client = address.clientUrl();
    FuzzInput::check(client.startsWith("http://"));
    for (const char c : client)
        FuzzInput::check(uchar(c) > 0x20 && uchar(c) < 0x7F && c != '#');
    return 0;
}
