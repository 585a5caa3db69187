#pragma once
// Where the program's files live.
//
// The program directory holds the shipped files (Model.dat, Settings.ini, the
// language files, the default codeplugs, volume.ini, help, splash pictures).
// It is, in order: the folder given with --home (setProgramDirectoryOverride),
// the folder named by the environment variable QAV_HOME, the folder of the
// executable when it holds the data (the build tree, a portable copy), or
// the package's data folder of an installed program, ../share/qav beside
// the executable's folder.
//
// Files the program writes (Settings.ini, Model.dat) go to the program
// directory when it is writable, otherwise to the user's configuration folder
// ($XDG_CONFIG_HOME/qav-cps/, default ~/.config/qav-cps/; on Windows
// %APPDATA%\qav-cps\), which is then read first.
//
// Every folder text ends with a separator ("/", or "\" on Windows), so a
// file path is the folder followed by the file name.
#include <string>
#include <vector>

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

void setProgramDirectoryOverride(const std::string& dir);
std::string programDirectory();
std::string userConfigDirectory();
// The user's data folder for files the program keeps by itself (backups):
// $XDG_DATA_HOME/qav-cps/, else ~/.local/share/qav-cps/; on Windows the
// configuration folder. Empty when neither can be found.
std::string userDataDirectory();
// The folder that holds the running executable ("./" when unknown).
std::string executableDirectory();
// `dir` with a trailing separator (empty stays empty).
std::string withTrailingSlash(std::string dir);

// The outcome of looking for the program directory.
struct ProgramDirectoryLookup {
    std::string dir;                    // the program directory
    std::vector<std::string> searched;  // the folders looked at for data, in order
    bool chosen = false;                // named by --home or QAV_HOME, not searched for
};

// The lookup itself: `overrideDir` (--home), then `envHome` (QAV_HOME), then
// `exeDir` when it holds the data, then `exeDir`/../share/qav when that
// does; when neither holds it, `exeDir`.
ProgramDirectoryLookup locateProgramDirectory(const std::string& overrideDir, const std::string& envHome,
                                              const std::string& exeDir);
// The lookup for this process.
ProgramDirectoryLookup locateProgramDirectory();

// The files without which neither program can work: the model database and
// the English language file.
const std::vector<std::string>& essentialDataFiles();
// The essential files missing from `dir`.
std::vector<std::string> missingDataFiles(const std::string& dir);
// A text for the user when essential files are missing ("" when none is):
// which files, where they were looked for, and how to fix it.
std::string missingDataMessage(const ProgramDirectoryLookup& lookup);

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
