#pragma once
// The sections of the codeplug: the fixed ones hold one record, the six
// lists hold records of one kind. One enumeration serves the memory map,
// the field schemas, the dump and the editors.

enum class Section {
    RadioInfo,
    Keys,
    Misc,
    FactoryBlock,  // the block's own 36 bytes (it shares 32 more with Misc)
    PttId,
    Dos,
    Atis,
    AlertTones,
    Password,
    Channels,
    Personalities,
    TwoToneSystems,
    TwoToneCalls,
    ScanList,
    TestFreq,
    EmbeddedMessage,
    TuneData,
};
