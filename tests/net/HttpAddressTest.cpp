#include "net/HttpAddress.h"

#include <gtest/gtest.h>

TEST(HttpAddressTest, SplitsSchemeHostAndPath)
{
    struct Case { QString url, host, path; };
    const Case cases[] = {
        {"http://updates.example/PV/list.txt", "updates.example", "/PV/list.txt"},
        {"HTTP://Updates.Example/PV/x", "Updates.Example", "/PV/x"},
        {"hTtP://h/", "h", "/"},
        {"host/a/b", "host", "/a/b"},
        {"http://host:8080/PV/NEWS.txt", "host:8080", "/PV/NEWS.txt"},
        {"http://host/a?b=c/d", "host", "/a?b=c/d"},
        // No "/" after the host: no host at all, the remainder is the path.
        {"http://host", "", "host"},
        {"", "", ""},
    };
    for (const Case &c : cases) {
        const HttpAddress address = HttpAddress::split(c.url);
        EXPECT_EQ(address.host, c.host) << c.url.toStdString();
        EXPECT_EQ(address.path, c.path) << c.url.toStdString();
    }
}

TEST(HttpAddressTest, AcceptsOnlyPlainHostsWithOptionalPort)
{
    for (const QString host : {"host", "127.0.0.1:8080", "a-b.c_d", "h:1", "h:65535"})
        EXPECT_TRUE((HttpAddress{host, "/"}.hasUsableHost())) << host.toStdString();
    for (const QString host : {"", "user@host", "host:", "host:0", "host:65536", "host:80x", "https:",
                               "a b", ".x", "-x", "[::1]:80", "h\u00e9"})
        EXPECT_FALSE((HttpAddress{host, "/"}.hasUsableHost())) << host.toStdString();
}

TEST(HttpAddressTest, ClientUrlKeepsThePathAndEncodesOnlyWhatWouldBeMisread)
{
    EXPECT_EQ(HttpAddress({"h:81", "/PV/list.txt"}).clientUrl(), QByteArray("http://h:81/PV/list.txt"));
    EXPECT_EQ(HttpAddress({"h", "/a b#c?x=1&y=%41/../z"}).clientUrl(),
              QByteArray("http://h/a%20b%23c?x=1&y=%41/../z"));
    EXPECT_EQ(HttpAddress({"h", "/caf\u00e9\t"}).clientUrl(), QByteArray("http://h/caf%C3%A9%09"));
}
