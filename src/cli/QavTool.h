#pragma once
// The whole command-line tool as a function, so tests can run it in process.
#include <ostream>
#include <string>
#include <vector>

// Runs `qav` with the arguments after the program name; returns the exit
// status (ExitStatus in CliContext.h). `programDir` is the default for
// --home (the folder of the executable).
int runQav(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::string& programDir = {});

// The folder that holds the running executable ("" when unknown).
std::string executableFolder();
