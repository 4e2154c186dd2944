#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>
#include <QByteArray>
#include <set>
#include <utility>

// Builds an art library the rest of the program reads unchanged from the
// user's game client: button entries (picture and decoder file) for the
// stock buttons and those the scripts use, nine-piece backgrounds for the
// common numbers and those the scripts use, the client's hues appended
// to ColorLibary.INI, and the bitmap font UO0.CORE drawn from the client's
// unicode font 1. A file that is already there is never replaced, so a
// second run changes nothing. Runs on any thread.
class ArtLibraryBuilder
{
public:
    struct Options
    {
        QString clientDir;
        QString dataDir;         // the library's AppDir: DATA/, ColorLibary.INI and UO0.CORE go in
        QStringList scriptDirs;  // *.scp (any case) read for button and resizepic lines
        // When set, only these button pairs (up, down) are added: no stock
        // art, backgrounds, hues or font.
        std::vector<std::pair<int, int>> onlyButtons;
    };

    struct Report
    {
        int buttonsWritten = 0, backgroundsWritten = 0, huesAdded = 0;
        int filesKept = 0;         // already there, left alone
        int undecodable = 0;       // gumps the client holds but that cannot be read
        int missing = 0;           // numbers asked for that the client lacks
        int fontGlyphs = 0;        // glyphs of the UO0.CORE written; 0 when none was
        int fontGlyphsMissing = 0; // glyph characters the client's font lacks
        bool cancelled = false;

        // "buttons 3, backgrounds 1, hues 40 added; UO0.CORE of 91 glyphs
        // written; …", as the user reads it.
        QString summary() const;
    };

    // done of total steps; called on the building thread.
    using Progress = std::function<void(int done, int total)>;

    // Throws RuntimeError when the client holds no gump art or a file cannot
    // be written. cancel is read between steps.
    static Report build(const Options &options, const Progress &progress = {},
                        const std::atomic<bool> *cancel = nullptr);

    // Stock button pairs (up, down) of the client.
    static const std::vector<std::pair<int, int>> &stockButtons();
    // The common background numbers the library always gets.
    static const std::vector<int> &commonBackgrounds();

    // The pairs on literal "button", "checkbox" and "radio" lines and the numbers on literal
    // "resizepic" lines of a script text, numbers read as the server reads
    // them (a leading 0 makes hex; arguments with expressions are skipped).
    struct ScriptArt
    {
        std::set<std::pair<int, int>> buttons;
        std::set<int> backgrounds;
    };
    static void scanScript(const QByteArray &text, ScriptArt &into);
};
