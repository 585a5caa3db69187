#include "model/ModelFile.h"

#include "settings/FileIO.h"
#include "settings/ProfileFile.h"

#include <algorithm>

namespace {

constexpr const char* kSetting = "Setting";

std::vector<std::string> splitCommas(const std::string& text)
{
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    std::string_view rest = text;
    for (;;) {
        auto comma = rest.find(',');
        std::string_view part = rest.substr(0, comma);
        // Names are written "A,B" or "A, B"; blanks around a name are not part of it.
        while (!part.empty() && (part.front() == ' ' || part.front() == '\t')) part.remove_prefix(1);
        while (!part.empty() && (part.back() == ' ' || part.back() == '\t')) part.remove_suffix(1);
        if (!part.empty()) parts.emplace_back(part);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return parts;
}

std::string freqKey(int index) { return "Freq" + std::to_string(index); }

// One pass over a loaded file, so that a Number in the billions or
// thousands of entries cost one read of the file, not one per entry.
std::vector<FreqRangeEntry> readableEntries(const ProfileFile& file, const std::string& modelId, bool& complete)
{
    const std::string number = file.getString(modelId, "Number", "", ProfileBuffer::kShort);
    const int count = std::max(number.empty() ? 0 : parseProfileInt(number), 1);
    std::vector<FreqRangeEntry> entries;
    complete = true;
    for (int i = 0; i < count; ++i) {
        auto parsed = parseFreqRangeValue(file.getString(modelId, freqKey(i), "", ProfileBuffer::kShort));
        if (!parsed) {
            complete = false;
            break;
        }
        entries.push_back(*parsed);
    }
    return entries;
}

}  // namespace

CModelFile::CModelFile(std::string path, std::string modelId, std::string modelName, std::string rangeText,
                       int signal)
    : CModelFile(path, path, std::move(modelId), std::move(modelName), std::move(rangeText), signal)
{
}

CModelFile::CModelFile(std::string readPath, std::string writePath, std::string modelId,
                       std::string modelName, std::string rangeText, int signal)
    : readPath_(std::move(readPath)),
      writePath_(std::move(writePath)),
      modelId_(std::move(modelId)),
      modelName_(std::move(modelName)),
      rangeText_(std::move(rangeText)),
      signal_(signal)
{
    readRangeCount();
}

int CModelFile::readRangeCount()
{
    std::string number = readProfileString(readPath_, modelId_, "Number", "", ProfileBuffer::kShort);
    count_ = number.empty() ? 0 : parseProfileInt(number);
    return count_;
}

void CModelFile::setIdentifier(std::string modelId)
{
    modelId_ = std::move(modelId);
    readRangeCount();
}

bool CModelFile::readEntry(int index, FreqRangeEntry& entry) const
{
    std::string value = readProfileString(readPath_, modelId_, freqKey(index), "", ProfileBuffer::kShort);
    auto parsed = parseFreqRangeValue(value);
    if (!parsed) return false;
    entry = *parsed;
    return true;
}

std::vector<FreqRangeEntry> CModelFile::readEntries(bool* complete) const
{
    ProfileFile file;
    file.load(readPath_);
    bool all = true;
    std::vector<FreqRangeEntry> entries = readableEntries(file, modelId_, all);
    if (complete) *complete = all;
    return entries;
}

std::vector<std::string> CModelFile::identifiers() const
{
    return splitCommas(readProfileString(readPath_, kSetting, "ModelID", "", ProfileBuffer::kList));
}

std::vector<std::pair<std::string, std::string>> CModelFile::modelNames() const
{
    ProfileFile file;
    file.load(readPath_);
    std::vector<std::pair<std::string, std::string>> names;
    for (const auto& id : splitCommas(file.getString(kSetting, "ModelID", "", ProfileBuffer::kList)))
        for (auto& name : splitCommas(file.getString(kSetting, id, "", ProfileBuffer::kList)))
            names.emplace_back(id, std::move(name));
    return names;
}

std::string CModelFile::findIdentifier(const std::string& name) const
{
    for (const auto& [id, listed] : modelNames())
        if (listed == name) return id;
    return {};
}

bool CModelFile::appendEntry(const FreqRangeEntry& entry)
{
    ProfileFile file;
    if (!file.load(readPath_) && pathExists(readPath_)) {
        error_ = "cannot read " + readPath_;
        return false;
    }
    // The first free place after the run of entries from Freq0, whatever
    // Number says: appending at Number would overwrite a range when Number
    // is too small (0 or less still lists Freq0), and would land out of the
    // list's sight behind a gap when it is too large. Number then covers
    // the run, so the new range is listed and no range is replaced.
    int count = 0;
    while (parseFreqRangeValue(file.getString(modelId_, freqKey(count), "", ProfileBuffer::kShort))) ++count;
    if (!file.setString(modelId_, "Number", std::to_string(count + 1)) ||
        !file.setString(modelId_, freqKey(count), formatFreqRangeValue(entry))) {
        error_ = "cannot store a range for model " + modelId_ + " in " + writePath_;
        return false;
    }
    if (!file.save(writePath_, &error_)) return false;
    readPath_ = writePath_;  // the written copy is the one to read from now on
    count_ = count + 1;
    return true;
}
