#pragma once

#include <QString>

// Fixed texts of the program as a whole.
namespace AppInfo {
inline const QString Title = QStringLiteral("Quillmark 1.4");
// The name the desktop knows the program by: its data and configuration
// folders (~/.local/share/Quillmark, ~/.config/Quillmark) are named after it.
inline const QString ProgramName = QStringLiteral("Quillmark");
inline const QString MainCaption = QStringLiteral("Quillmark 1.4 - Final Edit (Rereleased by demand)");
inline const QString HomePage = QStringLiteral("https://quillmark.example.org/");
// The running version as the update list numbers versions.
inline const QString VersionNumber = QStringLiteral("141");
inline const QString HelpFile = QStringLiteral("C:\\PROJECTS\\Pro\\Programming\\GUMPS\\QUILLMARK.HLP");
inline const QString ProjectFilter = QStringLiteral("Quillmark Project (*.SDF *.sdf)");
// Open also offers the autosave ring, whose files are project files.
inline const QString OpenFilter = ProjectFilter + QStringLiteral(";;Autosave (Auto.*);;All files (*)");
} // namespace AppInfo
