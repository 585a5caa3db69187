#pragma once
// Reading or writing several radios at once: `qav write FILE --port A
// --port B ...` and `qav read -o FILE --port A --port B ...` run one
// session per port, each on a thread of its own, so one radio's failure
// never stops the others. A port named twice is used once. A live line per
// radio shows on a terminal; a table (port, serial number, time, result)
// and a summary end the run, and the exit status is 1 when any failed.
#include "cli/RadioCli.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

struct GangRow {
    std::string port;
    std::string file;    // the file read into or written from
    std::string serial = "-";  // from the image read; "-" when the transfer does not read it
    bool ok = false;
    std::string result;  // "ok" or the failure
    double seconds = 0;
};

// The output file of radio `index` (0-based) of a gang read: "r.qav" gives
// "r-1.qav", "r-2.qav", ...
std::string gangFileName(const std::string& file, std::size_t index);

// Runs `verb` ("read" or "write") on every port of `opt.ports`.
void runGang(CliContext& ctx, const std::string& verb, const RadioOptions& opt, const std::string& file);

// The two kinds of gang. A write validates, packs and backs up the codeplug
// once and sends that one image to every radio; a read keeps each radio's
// image in a file of its own.
void runGangWrite(CliContext& ctx, const RadioOptions& opt, const std::string& file);
void runGangRead(CliContext& ctx, const RadioOptions& opt, const std::string& file);

// What the live lines show of one radio.
struct GangLine {
    int percent = 0;
    bool done = false;
    bool ok = false;
};

// Polls every radio each 200 ms until all are done, drawing a line per
// port on `err` when it is a terminal.
void followGang(std::ostream& err, const std::vector<std::string>& ports,
                const std::function<GangLine(std::size_t)>& poll);

// Prints the table and `summary` on ctx.out, and fails `verb` with "N of M
// radios failed" when any did.
void printGang(CliContext& ctx, const std::string& verb, const std::vector<GangRow>& rows, const std::string& summary);
