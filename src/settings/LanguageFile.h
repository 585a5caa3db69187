#pragma once
// One loaded language file: every user-visible text of the program, looked up
// by number. Messages (S01), captions and list definitions (S02) and
// identifier texts (S03) live in section [Setting]; the per-model control
// flags (S00) in a section named by the model identifier. A missing file or
// key gives empty texts.
#include "settings/ListDefinition.h"
#include "settings/ProfileFile.h"

#include <optional>
#include <string>
#include <vector>

class LanguageFile {
public:
    LanguageFile() = default;

    // Loads the file; false (and every text empty) when it cannot be read.
    bool load(const std::string& path);
    // Uses the given text as the file's content (tests, built-in texts).
    void loadText(std::string_view text);
    const std::string& path() const { return path_; }

    std::string languageName() const;                  // [Setting] Language, "English" when missing
    std::vector<std::string> languageList() const;     // [Setting] LanguageList, comma-separated
    std::string helpFile(std::string_view defaultValue) const;

    std::string message(int id) const;     // language string id (S01)
    std::string caption(int id) const;     // caption text id (S02)
    std::string identifier(int id) const;  // identifier text id (S03)
    // The text when present and not empty; nullopt otherwise, so callers can
    // keep a built-in text.
    std::optional<std::string> findMessage(int id) const;
    std::optional<std::string> findCaption(int id) const;
    // Per-model flag of control `id` for model identifier `modelId`; 0 when missing.
    int modelFlag(std::string_view modelId, int id) const;

    // Identifier texts 610 and 620 name the model identifiers the program
    // accepts. An empty identifier text never matches.
    bool isAcceptedIdentifier(std::string_view modelId) const;        // 610
    bool isSecondAcceptedIdentifier(std::string_view modelId) const;  // 620

    // List definitions by caption id.
    std::vector<ListItem> comboItems(int listId) const { return ::comboItems(caption(listId)); }
    std::vector<ListItem> listBoxItems(int listId) const { return ::listBoxItems(caption(listId)); }
    std::vector<ListItem> listPairs(int listId) const { return ::listPairs(caption(listId)); }
    std::vector<std::string> listNames(int listId) const { return ::listNames(caption(listId)); }
    std::string textForValue(int listId, int value) const { return ::textForValue(caption(listId), value); }
    int valueForText(int listId, std::string_view text) const { return ::valueForText(caption(listId), text); }
    std::optional<NumericEditParams> numericEditParams(int id) const
    {
        return parseNumericEditParams(caption(id));
    }

    // The tooltip of control or command `id`: with language index 0 the
    // second "&"-separated field of its caption text, with index 1 the first
    // "("-separated field, otherwise nothing. At most 79 bytes.
    std::string tooltip(int id, int languageIndex) const;
    // The status-bar prompt of command `id`: the part of its message text
    // before the first "&", else message 57345 whole; nullopt when neither
    // exists.
    std::optional<std::string> statusPrompt(int id) const;

private:
    ProfileFile file_;
    std::string path_;
};
