#include "app/forms/ProgramIdentity.h"
#include "app/AppInfo.h"

#include <QGuiApplication>

namespace ProgramIdentity {

void apply()
{
    QGuiApplication::setApplicationName(AppInfo::ProgramName);
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmark"));
}

} // namespace ProgramIdentity
