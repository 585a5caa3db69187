#pragma once
// Reading or writing several radios at once: `qav write FILE --port A
// --port B ...` runs one session per port, each on a thread of its own with
// its own program state, so one radio's failure never stops the others. A
// live line per radio shows on a terminal; a table (port, serial number,
// result, time) ends the run, and the exit status is 1 when any failed.
#include "cli/RadioCli.h"

#include <string>
#include <vector>

struct GangRow {
    std::string port;
    std::string file;    // the file read into or written from
    std::string serial;  // from the image read; "-" when the transfer does not read it
    bool ok = false;
    std::string result;  // "ok" or the failure
    double seconds = 0;
};

// The output file of radio `index` (0-based) of a gang read: "r.qav" gives
// "r-1.qav", "r-2.qav", ...
std::string gangFileName(const std::string& file, std::size_t index);

// Runs `verb` ("read" or "write") on every port of `opt.ports`; returns the
// rows in port order after printing them.
std::vector<GangRow> runGang(CliContext& ctx, const std::string& verb, const RadioOptions& opt,
                             const std::string& file);
