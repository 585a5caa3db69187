#pragma once
// Where the program's files live.
//
// The program directory holds the shipped files (Model.dat, Settings.ini, the
// language files, the default codeplugs, volume.ini). It is, in order: the
// folder given with --home (setProgramDirectoryOverride), the folder named by
// the environment variable QAV_HOME, or the folder of the executable (or,
// for an installed program whose executable folder holds no data, the
// package's data folder beside it, ../share/qav-cps).
//
// Files the program writes (Settings.ini, Model.dat) go to the program
// directory when it is writable, otherwise to the user's configuration folder
// ($XDG_CONFIG_HOME/qav-cps/, default ~/.config/qav-cps/; on Windows
// %APPDATA%\qav-cps\), which is then read first.
//
// Every folder text ends with a separator ("/", or "\" on Windows), so a
// file path is the folder followed by the file name.
#include <string>

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

void setProgramDirectoryOverride(const std::string& dir);
std::string programDirectory();
std::string userConfigDirectory();
// The folder that holds the running executable ("./" when unknown).
std::string executableDirectory();
// `dir` with a trailing separator (empty stays empty).
std::string withTrailingSlash(std::string dir);

class ConfigLocations {
public:
    ConfigLocations(std::string programDir, std::string userDir);

    const std::string& programDir() const { return programDir_; }
    const std::string& userDir() const { return userDir_; }
    bool programDirWritable() const;
    // Treat the program directory as writable or not whatever its
    // permissions say (a read-only install simulated by tests run as root).
    void assumeProgramDirWritable(bool writable) { writableOverride_ = writable ? 1 : 0; }

    // The file to read `name` from: the user's copy when the program
    // directory is not writable and the copy exists, else the program
    // directory's file.
    std::string readPath(const std::string& name) const;
    // The file to write `name` to.
    std::string writePath(const std::string& name) const;
    // A file that only ever lives in the program directory.
    std::string programFile(const std::string& name) const { return programDir_ + name; }

private:
    std::string programDir_;
    std::string userDir_;
    int writableOverride_ = -1;  // -1: ask the file system
};
