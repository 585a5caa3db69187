#pragma once
// CModelFile: a short-lived reader and writer of the model database
// (Model.dat) for one model identifier.
//
//   [Setting]
//   ModelID=<id>,<id>,...          identifiers, in order
//   <id>=<name>,<name>,...         the model names of each identifier
//   [<id>]
//   Number=<count>                 ranges of the identifier
//   Freq0=low, high, low2, high2, flags
//   ...
//
// Every operation reads the file afresh. Writes go to a second path when the
// program directory is not writable (the user's copy, which starts as a copy
// of the shipped file), are atomic, and report failure.
#include "model/FreqRangeEntry.h"

#include <string>
#include <utility>
#include <vector>

class CModelFile {
public:
    // `path` is both read and written.
    CModelFile(std::string path, std::string modelId, std::string modelName, std::string rangeText,
               int signal);
    CModelFile(std::string readPath, std::string writePath, std::string modelId, std::string modelName,
               std::string rangeText, int signal);

    // Number of ranges of the identifier, read when the object is made and
    // when the identifier changes (0 when missing).
    int rangeCount() const { return count_; }
    int readRangeCount();
    // Entry i; false when Freq<i> is missing or empty.
    bool readEntry(int index, FreqRangeEntry& entry) const;
    // The ranges a list of the identifier shows, read in one pass: Freq0 to
    // Freq<Number-1> (Freq0 at least), up to the first entry that cannot be
    // read. `complete` is false when such an entry ended the list early.
    std::vector<FreqRangeEntry> readEntries(bool* complete = nullptr) const;
    // The first identifier, in [Setting] ModelID order, that lists `name`;
    // "" when none does.
    std::string findIdentifier(const std::string& name) const;
    // The model identifiers, and every (identifier, name) pair in file order.
    std::vector<std::string> identifiers() const;
    std::vector<std::pair<std::string, std::string>> modelNames() const;

    // Adds `entry` as the first missing Freq<i> after Freq0, Freq1, ... and
    // sets Number to i + 1, so the range is listed and no range replaced
    // even when Number disagreed with the entries. False (file unchanged)
    // when the write fails; error() says why.
    bool appendEntry(const FreqRangeEntry& entry);
    const std::string& error() const { return error_; }

    void setIdentifier(std::string modelId);
    void setModelName(std::string name) { modelName_ = std::move(name); }
    void setRangeText(std::string text) { rangeText_ = std::move(text); }
    void setSignal(int signal) { signal_ = signal; }
    const std::string& identifier() const { return modelId_; }
    const std::string& modelName() const { return modelName_; }
    const std::string& rangeText() const { return rangeText_; }
    int signal() const { return signal_; }
    const std::string& path() const { return readPath_; }

private:
    std::string readPath_;
    std::string writePath_;
    std::string modelId_;
    std::string modelName_;
    std::string rangeText_;
    int signal_ = 0;
    int count_ = 0;
    std::string error_;
};
