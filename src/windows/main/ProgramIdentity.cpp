#include "windows/main/ProgramIdentity.h"
#include "platform/AppInfo.h"

#include <QGuiApplication>

namespace ProgramIdentity {

void apply()
{
    QGuiApplication::setApplicationName(AppInfo::ProgramName);
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmark"));
}

} // namespace ProgramIdentity
