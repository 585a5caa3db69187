#include "ShippedTexts.h"

#include "settings/LanguageFile.h"

#include <map>

namespace {

const LanguageFile& shippedLanguage(const std::string& file)
{
    static std::map<std::string, LanguageFile> loaded;
    auto [it, added] = loaded.try_emplace(file);
    if (added) it->second.load(std::string(QAV_DATA_DIR) + "/" + file);
    return it->second;
}

}  // namespace

std::string shippedListText(const std::string& languageFile, int listId, int value)
{
    return shippedLanguage(languageFile).textForValue(listId, value);
}

bool shippedAcceptsRadio(const std::string& languageFile, const std::string& modelId)
{
    return shippedLanguage(languageFile).isAcceptedIdentifier(modelId);
}
