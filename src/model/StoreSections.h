#pragma once
// Every section of the store with its schema, record by record, in
// image order (a fixed section has one record): what dump, diff and the
// checks over all records walk.
#include "model/SectionFields.h"

#include <vector>

class CCodeplugData;
class Record;

struct SectionRecords {
    const SectionInfo* info;
    std::vector<const Record*> records;
};

std::vector<SectionRecords> storeSections(const CCodeplugData& store);
