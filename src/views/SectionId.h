#pragma once
// The sections the editors work on.
enum class SectionId {
    RadioInfo,
    Password,
    Misc,
    Keys,
    Channels,
    Personalities,
    ScanLists,
    AlertTones,
    TwoToneSystems,
    TwoToneCalls,
    TestFreq,
    PttId,
    Dos,
    Atis,
    EmbeddedMessage,
};
