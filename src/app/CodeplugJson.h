#pragma once
// The codeplug as JSON, for version control and scripts: every section,
// record and field by its schema name, values as the editors show them
// (option texts, MHz, tones), raw numbers where a value has no such text,
// and the image bits no field names in a block of their own, so that
// export then import gives back the same file byte for byte.
//
//   {"format": "qav-codeplug", "version": 1,
//    "header": {"model_id": ..., "firmware": ...}, "information": "...",
//    "sections": {"channels": [{"rx_frequency": "440.12500", ...}], "keys": {...}},
//    "unnamed_bits": {"0x0000": "FFFF..."}}
//
// Keys keep the schema's order and the text is indented, so a `git diff` of
// two exports shows the changed fields line by line.
#include "model/CodeplugFileHeader.h"
#include "model/RecordPlacement.h"

#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

struct CodeplugContent {
    CodeplugHeader header{};
    std::string info;
    ImageBytes image{};
};

// The option list texts a value shows and the value a text stands for
// (-1 for none); the English language file gives both so exports do not
// depend on the program's language.
struct OptionNames {
    std::function<std::string(int listId, int value)> text;
    std::function<int(int listId, std::string_view text)> value;
};

nlohmann::ordered_json codeplugToJson(const CodeplugContent& content, const OptionNames& names);

struct JsonImport {
    bool ok = false;
    std::vector<std::string> errors;    // "<json path>: what is wrong"; any one refuses the import
    std::vector<std::string> warnings;  // taken from the defaults or otherwise mended, reported
    CodeplugContent content;
};

// The default codeplug image of the model the header names, for sections
// and bits the JSON leaves out.
using DefaultImage = std::function<ImageBytes(const CodeplugHeader& header)>;
// The factory image of the model the header names.
ImageBytes defaultImageFor(const CodeplugHeader& header);

JsonImport codeplugFromJson(const nlohmann::json& json, const OptionNames& names, const DefaultImage& defaults);

// The text of the export: two-space indents, one key per line.
std::string codeplugJsonText(const nlohmann::ordered_json& json);
