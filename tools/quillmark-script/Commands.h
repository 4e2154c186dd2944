#pragma once

#include <QStringList>

// One subcommand of quillmark-script: its name, its usage line, and the
// function that runs it on the arguments after its name. run() returns the
// exit status; it throws UsageError for a wrong command line and RuntimeError
// for bad input files.
struct Command {
    const char *name;
    const char *usage;   // "{recent}" and "{old}" stand for the dialect names
    int (*run)(const QStringList &args);
};

int runExportCommand(const QStringList &args);
int runRenderCommand(const QStringList &args);
int runImportCommand(const QStringList &args);
int runLibraryCommand(const QStringList &args);
int runCheckCommand(const QStringList &args);
int runPreviewCommand(const QStringList &args);
int runCaptureCommand(const QStringList &args);

inline constexpr Command Commands[] = {
    {"export",
     "export FILE.SDF --name NAME [--dialect \"{recent}\"|\"{old}\"] [--location X,Y] [--data DIR]\n"
     "       [--client DIR] [--encoding utf-8|8-bit]\n"
     "    Prints the Sphere dialog script of the design. DIR holds DATA/buttons/ with the\n"
     "    button decoder files (default: the current directory). --location places a design\n"
     "    that has no location (default 0,0); the window flags of such a design are both clear.\n"
     "    The script names gumps by number, so --client changes nothing in it; a folder without\n"
     "    gump art is refused all the same. --encoding: UTF-8, as the current server reads\n"
     "    scripts (the default for \"{recent}\"), or 8-bit text for old servers (the default\n"
     "    for \"{old}\").",
     runExportCommand},
    {"render",
     "render FILE.SDF --out PAGE.png [--page N] [--data DIR] [--size WxH] [--scroll X,Y] [--no-page0]\n"
     "       [--select LINE] [--settings FILE.INI] [--client DIR] [--placeholders]\n"
     "    Draws page N (default 0) of the design as the designer's canvas shows it into a PNG\n"
     "    and prints the page's select list, one entry per line. DIR holds DATA/ with the art,\n"
     "    ColorLibary.INI and UO0.CORE (default: the current directory). The canvas is WxH\n"
     "    (default 548x400, the designer's canvas; at most 8192 a side), scrolled by X,Y\n"
     "    (0 to 400 each, default 0,0). Page 0 is drawn beneath other pages unless --no-page0.\n"
     "    --select frames the element whose kind word stands on line LINE of the file (from 1).\n"
     "    FILE.INI is a settings file of the designer (\"Realtime Engine\" section: Transparent,\n"
     "    PERFECTtext, Background, Selection, BCB, ASC); without it Transparent and Perfect Text\n"
     "    are on, the background white and the selection lime. Records that cannot be drawn\n"
     "    are named on stderr as warnings. With --client, a picture that DATA/ lacks and whose\n"
     "    name is a gump number in hex (1F4.bmp) is drawn from the game client in DIR.\n"
     "    --placeholders draws art that cannot be found as the designer does: a thin frame of\n"
     "    the element's size (a small square without one) holding its gump number or file\n"
     "    name; without it such art draws nothing.",
     runRenderCommand},
    {"import",
     "import FILE.scp --name NAME --out OUT.SDF [--data DIR]\n"
     "    Reads the dialog NAME of a Sphere script into a design and saves it as OUT.SDF.\n"
     "    DIR holds DATA/buttons/ whose decoder files give the imported buttons their art\n"
     "    (default: the current directory). Every entry of the import's errors list goes to\n"
     "    stderr, one per line. Exit 0 when imported (warnings included), 1 when not (no file\n"
     "    is written), 2 for a wrong command line.",
     runImportCommand},
    {"library",
     "library --client DIR --out DATADIR [--scripts DIR]...\n"
     "    Builds an art library in DATADIR from the game client in DIR: DATA/buttons/ with the\n"
     "    stock buttons and every pair on a literal button line of the *.scp files in the\n"
     "    --scripts folders, DATA/resizepic/ with the common backgrounds and every resizepic of\n"
     "    the scripts, the client's hues added to ColorLibary.INI, and the bitmap font UO0.CORE\n"
     "    drawn from the client's unifont1.mul. Files already there are kept, so running it\n"
     "    again changes nothing. Prints what it did; shows progress on a terminal's stderr.",
     runLibraryCommand},
    {"check",
     "check FILE.SDF [--dialect \"{recent}\"|\"{old}\"] [--data DIR] [--client DIR]\n"
     "    Prints what the export would fail on (error) and what the server would read otherwise\n"
     "    than the designer shows (warning), one line each, sorted by line: FILE:LINE: error: TEXT.\n"
     "    The check is for the export in the dialect (default \"{recent}\"): kinds it cannot\n"
     "    write are named.\n"
     "    LINE is the line of the record's kind word, from 1. DIR holds DATA/ with the art and\n"
     "    the button decoder files (default: the current directory). With --client, a picture\n"
     "    DATA/ lacks is there when the client holds its gump (1F4.bmp is gump 0x1F4).\n"
     "    Exit status 0 when nothing is found, 1 when something is.",
     runCheckCommand},
    {"preview",
     "preview FILE.SDF --server EXE [--scripts DIR] [--plevel N] [--args \"...\"] [--data DIR] --out PAGE.png\n"
     "        [--page N] [--dialect \"{recent}\"|\"{old}\"] [--timeout SECONDS]\n"
     "    Shows the design as the Sphere server EXE sends it to a player: exports it, starts the\n"
     "    server in a world of its own (a temporary folder, 127.0.0.1 on a free port, an account\n"
     "    with a random password; the *.scp files of the scripts folder DIR copied in, never\n"
     "    written), opens the dialog for a stand-in of privilege N (default 1, a player; 4 GM,\n"
     "    7 admin) with the arguments given (ARGS, ARGN), and draws page N (default 0) of what\n"
     "    arrived into PAGE.png. Prints how it differs from the design, one line each:\n"
     "    FILE:LINE: difference: TEXT; the server's messages about the script go to stderr as\n"
     "    FILE:LINE: server: TEXT. The server gets at most SECONDS (default 30) in all, and is\n"
     "    stopped and its world removed before the command ends. Exit 0 when nothing differs,\n"
     "    1 when something does, 2 when the server could not be asked (its last log lines on\n"
     "    stderr) or for a wrong command line.",
     runPreviewCommand},
    {"capture",
     "capture NAME --server EXE --scripts DIR [--plevel N] [--args \"...\"] [--data DIR] --out FILE.SDF\n"
     "        [--timeout SECONDS]\n"
     "    Opens the dialog NAME of the shard's scripts in DIR for a stand-in (as preview does)\n"
     "    and saves what the server sent as a design: every control an element with the values\n"
     "    that arrived, texts as the player reads them, pages kept; buttons take the library's\n"
     "    art under DIR/DATA/buttons/. What a design cannot hold goes to stderr as warnings.\n"
     "    Exit 0 when saved, 1 when no dialog arrived, 2 when the server could not be asked.",
     runCaptureCommand},
};
