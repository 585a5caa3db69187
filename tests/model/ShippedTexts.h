#pragma once
// Language lookups for the model tests, kept in their own file: the
// language-file headers and the record-list headers both declare a type
// named ListItem, so no one file may include both.
#include <string>

// Text of `value` in list `listId` of a shipped language file ("" when none).
std::string shippedListText(const std::string& languageFile, int listId, int value);
// True when the shipped language file accepts radios of model `modelId`.
bool shippedAcceptsRadio(const std::string& languageFile, const std::string& modelId);
