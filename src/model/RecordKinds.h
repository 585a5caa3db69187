#pragma once
// The record kinds of the codeplug with their sizes and field tables, so
// that generic code (dump, print, diff, change log) can walk any section.
#include "model/FieldTable.h"

#include <span>
#include <string_view>

enum class RecordKind {
    Channel,
    Personality,
    Scan,
    AlertTone,
    TwoToneSystem,
    TwoToneCall,
    RadioInfo,
    Keys,
    Misc,
    Password,
    Atis,
    PttId,
    Dos,
    TestFreq,
    EmbeddedMessage,
    FactoryBlock,
    TuneData,
};

struct RecordKindInfo {
    RecordKind kind;
    const char* name;  // stable identifier, e.g. "channel"
    std::size_t size;  // record bytes (the factory block: its own bytes)
    std::span<const FieldDesc> (*fields)();
};

std::span<const RecordKindInfo> recordKinds();
const RecordKindInfo& recordKindInfo(RecordKind kind);
const RecordKindInfo* findRecordKind(std::string_view name);
