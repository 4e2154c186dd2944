#pragma once

#include <QString>

// Where the settings file lives: beside the executable, named after it with
// the extension ".INI", unless that folder cannot be written (an install in
// a system folder); then in the user's configuration folder, same name.
struct SettingsLocation
{
    QString path;
    bool inConfigFolder = false;

    static SettingsLocation choose(const QString &executablePath, const QString &configFolder);
    // The running program's: QCoreApplication's executable and its
    // QStandardPaths::AppConfigLocation.
    static SettingsLocation forThisProgram();
};
