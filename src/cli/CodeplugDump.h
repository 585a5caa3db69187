#pragma once
// Every section of the store, record by record: the raw bytes and each
// named field, walked from the record kinds' field tables.
#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "model/CodeplugFileHeader.h"
#include "model/SectionFields.h"
#include "model/StoreSections.h"

class CCodeplugData;
class Record;

void printDump(std::ostream& out, const CCodeplugData& store);

// {"sections": [{"section": name, "records": [{"index", "raw", "fields"}]}]}.
// Numeric fields (option values included) are JSON numbers; frequencies are
// their MHz text ("" for none); text, digit and byte fields are strings.
// With `option` (option text of a list value), each record also gets
// "options": {field: text} for the fields whose value an option list names.
nlohmann::ordered_json codeplugJson(const CCodeplugData& store,
                                    const std::function<std::string(int listId, int value)>& option = {});

// The header's fields: model_id, model_name, freq_range, low_mhz, high_mhz,
// firmware, format_version, band_flags, signal.
nlohmann::ordered_json headerJson(const CodeplugHeader& header);
