#pragma once
// What the row builders read: the section store, the language the report
// is printed in, and the radio values that are not part of the image (the
// current model, the firmware version of the last radio read).
#include "settings/ModelValues.h"

#include <string>

class CCodeplugData;
class LanguageFile;

struct ReportSource {
    const CCodeplugData& store;
    const LanguageFile& language;
    ModelValues model;
    std::string firmwareVersion;
};
