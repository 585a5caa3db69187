#pragma once
// A codeplug file as its parts (header, information text, image) for the
// interchange verbs, and the default image of the model a header names.
#include "app/CodeplugJson.h"

#include <string>

class LanguageFile;

// Reads the file. An image block shorter than the image is completed from
// the model's default image, as Open completes it (`completed` says so).
bool readCodeplugParts(const std::string& path, CodeplugContent& out, bool& completed, std::string& reason);

// Writes the file atomically (the previous one stays on failure).
bool writeCodeplugParts(const std::string& path, const CodeplugContent& content, std::string& reason);

// Option texts and values from the English language file in `home`, so an
// export reads the same whatever language the program uses.
OptionNames englishOptionNames(const std::string& home, LanguageFile& english);
