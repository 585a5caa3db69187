#pragma once
// What differs between two codeplugs: header fields, information text,
// section records field by field (walked from the field tables), records
// present on one side only, and finally every image byte, as the change log
// writes it ("$E.0x%X:%.2X->%.2X").
#include "cli/CodeplugLoad.h"

#include <functional>
#include <string>
#include <vector>

class CCodeplugData;

// Option text of a value (list id, value); empty when unknown.
using OptionText = std::function<std::string(int listId, int value)>;

struct CodeplugSide {
    const CCodeplugData* store;
    const LoadedCodeplug* file;
};

// One line per difference, in the order above.
std::vector<std::string> codeplugDifferences(const CodeplugSide& a, const CodeplugSide& b, const OptionText& option);

// "$E.0x1A0:FF->05".
std::string imageChangeLine(std::size_t offset, std::uint8_t before, std::uint8_t after);
