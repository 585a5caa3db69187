#pragma once
// Reading a codeplug file into a store, as the verbs that take a FILE need:
// header, information text (may be absent), image, unpack.
#include <string>

#include "model/CodeplugFileHeader.h"

class CCodeplugData;

struct LoadedCodeplug {
    CodeplugHeader header{};
    std::string info;
    std::size_t imageBytes = 0;
};

// False with the reason when the header or the image cannot be read; the
// store is unpacked only after both were read.
bool loadCodeplugFile(const std::string& path, CCodeplugData& store, LoadedCodeplug& loaded, std::string& reason);
