#include "model/ModelFile.h"

#include "settings/FileIO.h"
#include "settings/ProfileFile.h"

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
    std::string number = file.getString(modelId_, "Number", "", ProfileBuffer::kShort);
    int count = number.empty() ? 0 : parseProfileInt(number);
    if (count < 0) count = 0;
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
