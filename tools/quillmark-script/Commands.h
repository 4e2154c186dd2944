#pragma once

#include <QStringList>

// One subcommand of quillmark-script: its name, its usage line, and the
// function that runs it on the arguments after its name. run() returns the
// exit status; it throws UsageError for a wrong command line and RuntimeError
// for bad input files.
struct Command {
    const char *name;
    const char *usage;
    int (*run)(const QStringList &args);
};

int runExportCommand(const QStringList &args);

inline constexpr Command Commands[] = {
    {"export",
     "export FILE.SDF --name NAME [--dialect \"55i - 99g\"|\"48e - 51a\"] [--location X,Y] [--data DIR]\n"
     "    Prints the Sphere dialog script of the design. DIR holds DATA/buttons/ with the\n"
     "    button decoder files (default: the current directory). --location places a design\n"
     "    that has no location (default 0,0); the window flags of such a design are both clear.",
     runExportCommand},
};
