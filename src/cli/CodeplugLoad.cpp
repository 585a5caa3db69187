#include "cli/CodeplugLoad.h"

#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"

bool loadCodeplugFile(const std::string& path, CCodeplugData& store, LoadedCodeplug& loaded, std::string& reason)
{
    if (!CCodeplugFile::readHeader(path, loaded.header, &reason)) return false;
    loaded.info.clear();
    CCodeplugFile::readFileInformation(path, loaded.info);  // a file may have none
    if (!CCodeplugFile::readImage(path, store.image(), loaded.imageBytes, &reason)) return false;
    store.unpack();
    return true;
}
