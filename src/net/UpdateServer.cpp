#include "net/UpdateServer.h"
#include "platform/AppInfo.h"
#include "platform/NumberText.h"

UpdateServer::UpdateServer() : m_runningVersion(NumberText::parseOr(AppInfo::VersionNumber, 0)) {}

std::optional<QString> UpdateServer::addressOf(const QString &name) const
{
    if (!isSet())
        return std::nullopt;
    return UpdateNames::remoteAddress(m_base, name);
}
