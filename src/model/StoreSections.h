#pragma once
// Every section of the store with its record kind, record by record, in
// image order (a fixed section has one record): what dump, diff and the
// checks over all records walk.
#include "model/RecordKinds.h"

#include <vector>

class CCodeplugData;
class Record;

struct SectionRecords {
    const RecordKindInfo* kind;
    std::vector<const Record*> records;
};

std::vector<SectionRecords> storeSections(const CCodeplugData& store);
