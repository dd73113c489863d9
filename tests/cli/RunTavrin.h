// Runs the built program as a script on a server would: no display, no platform plugin chosen.
#pragma once

#include <QStringList>

#include <string>

struct RunResult {
    int exitCode = -1;  // -1 when the program crashed or did not end in time
    std::string out;
    std::string err;
};

// Runs `program` (a path, or a name found on PATH) with `arguments`.
RunResult RunProgram(const QString& program, const QStringList& arguments);
// Runs the built Tavrin.
RunResult RunTavrin(const QStringList& arguments);
