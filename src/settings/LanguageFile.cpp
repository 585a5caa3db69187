#include "settings/LanguageFile.h"

#include "settings/AcceptedModel.h"
#include "settings/LanguageKey.h"

namespace {
constexpr std::string_view kSetting = "Setting";
constexpr int kDefaultPromptId = 57345;
constexpr std::size_t kTooltipBuffer = 80;
}  // namespace

bool LanguageFile::load(const std::string& path)
{
    path_ = path;
    return file_.load(path);
}

void LanguageFile::loadText(std::string_view text)
{
    path_.clear();
    file_.parse(text);
}

std::string LanguageFile::languageName() const
{
    return file_.getString(kSetting, "Language", "English", ProfileBuffer::kShort);
}

std::vector<std::string> LanguageFile::languageList() const
{
    std::string list = file_.getString(kSetting, "LanguageList", "", ProfileBuffer::kShort);
    std::vector<std::string> names;
    if (list.empty()) return names;
    std::string_view rest = list;
    for (;;) {
        auto comma = rest.find(',');
        names.emplace_back(rest.substr(0, comma));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return names;
}

std::string LanguageFile::helpFile(std::string_view defaultValue) const
{
    return file_.getString(kSetting, "HelpFile", defaultValue, ProfileBuffer::kShort);
}

std::string LanguageFile::message(int id) const
{
    return file_.getString(kSetting, languageKey(LanguagePrefix::Message, id), "", ProfileBuffer::kMessage);
}

std::string LanguageFile::caption(int id) const
{
    return file_.getString(kSetting, languageKey(LanguagePrefix::Caption, id), "", ProfileBuffer::kLong);
}

std::string LanguageFile::identifier(int id) const
{
    return file_.getString(kSetting, languageKey(LanguagePrefix::Identifier, id), "",
                           ProfileBuffer::kMessage);
}

std::optional<std::string> LanguageFile::findMessage(int id) const
{
    std::string text = message(id);
    if (text.empty()) return std::nullopt;
    return text;
}

std::optional<std::string> LanguageFile::findCaption(int id) const
{
    std::string text = caption(id);
    if (text.empty()) return std::nullopt;
    return text;
}

int LanguageFile::modelFlag(std::string_view modelId, int id) const
{
    std::string text = file_.getString(modelId, languageKey(LanguagePrefix::ModelFlag, id), "",
                                       ProfileBuffer::kLong);
    return text.empty() ? 0 : parseProfileInt(text);
}

bool LanguageFile::isAcceptedIdentifier(std::string_view modelId) const
{
    std::string accepted = identifier(AcceptedModel::kIdentifierText);
    return !accepted.empty() && accepted == modelId;
}

bool LanguageFile::isSecondAcceptedIdentifier(std::string_view modelId) const
{
    std::string accepted = identifier(AcceptedModel::kSecondIdentifierText);
    return !accepted.empty() && accepted == modelId;
}

std::string LanguageFile::tooltip(int id, int languageIndex) const
{
    std::string text = caption(id);
    if (text.empty()) return {};
    std::string tip;
    if (languageIndex == 0) {
        auto amp = text.find('&');
        if (amp == std::string::npos) return {};
        std::string rest = text.substr(amp + 1);
        tip = rest.substr(0, rest.find('&'));
    } else if (languageIndex == 1) {
        tip = text.substr(0, text.find('('));
    }
    return truncateToBuffer(tip, kTooltipBuffer);
}

std::optional<std::string> LanguageFile::statusPrompt(int id) const
{
    if (auto text = findMessage(id)) return text->substr(0, text->find('&'));
    return findMessage(kDefaultPromptId);
}
