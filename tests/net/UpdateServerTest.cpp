#include "net/UpdateServer.h"

#include <gtest/gtest.h>

TEST(UpdateServer, AddressesOnlyWithABaseAndJoinsWithOneSlash)
{
    struct Case
    {
        QString base;
        std::optional<QString> address; // of "NEWS.txt"
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"   \t", std::nullopt},   // blanks alone are no server: no request
        {"http://host/PV/", "http://host/PV/NEWS.txt"},
        {"http://host/PV", "http://host/PV/NEWS.txt"},
        {"  http://host/PV/ ", "http://host/PV/NEWS.txt"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.base.toStdString());
        UpdateServer server(141);
        server.setBase(c.base);
        EXPECT_EQ(server.isSet(), c.address.has_value());
        EXPECT_EQ(server.addressOf(QStringLiteral("NEWS.txt")), c.address);
    }
}

TEST(UpdateServer, OffersAnUpdateOnlyAboveTheRunningVersion)
{
    const UpdateServer server(141);
    EXPECT_FALSE(server.offersUpdate(UpdateList::fromLines({"141", "a", "b"})));
    EXPECT_TRUE(server.offersUpdate(UpdateList::fromLines({"142", "a", "b"})));
    // The program's own version is the one the update list counts in.
    EXPECT_EQ(UpdateServer().runningVersion(), 141);
}
