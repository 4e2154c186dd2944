#pragma once

#include <QString>

class AutoSaver;
struct EditorState;

// What start-up asks of the main window.
class StartupHost
{
public:
    virtual ~StartupHost() = default;
    // The renderer and the windows that read art learn the data folder.
    virtual void useDataFolder(const QString &dir) = 0;
    // The start-up window: settings, updates, news and the font. True when
    // an update took over and the program ends.
    virtual bool runStartWindow(const QString &dir) = 0;
    // The new design is ready to be drawn.
    virtual void firstDocumentReady() = 0;
    // A script named at start fills the import window; a design is opened.
    virtual void importScript(const QString &path) = 0;
    virtual void openDesign(const QString &path) = 0;   // throws RuntimeError
    virtual void warn(const QString &text) = 0;
};

// The designer's start: the data folder, the start-up window, a new design
// with every kind shown, then the file named on the command line.
class StartupSequence
{
public:
    StartupSequence(EditorState &state, AutoSaver &autoSaver, StartupHost &host)
        : m_state(state), m_autoSaver(autoSaver), m_host(host)
    {
    }

    // The folder chosen at start, or the current one, always ending in "/".
    static QString dataFolder(const QString &chosen, const QString &current);

    // False when an update took over and the program ends.
    bool run(const QString &chosenFolder, const QString &currentFolder);
    // Opens startFile (relative to the current folder) once and forgets it.
    // A design that cannot be opened is named; the new one stays.
    void openStartFile(QString &startFile);

private:
    EditorState &m_state;
    AutoSaver &m_autoSaver;
    StartupHost &m_host;
};
