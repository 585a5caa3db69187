#pragma once
// What the main window needs to know from the rest of the program: the
// language texts, the current model and port, the access level and the
// record counts of the numbered tree entries. The application implements it
// on the settings manager and the section store; tests implement it on
// plain values.
//
// The language texts come through the same interface the editors use
// (caption, message and the per-model flags), so the frame's dialogs apply
// their texts with the one applyLanguage the editors use.
#include "controls/LanguageSource.h"

#include <string>

class IFrameHost : public LanguageSource {
public:
    virtual int languageIndex() const = 0;

    virtual std::string modelName() const = 0;
    virtual std::string freqRange() const = 0;   // "low-high" in MHz
    virtual int comPort() const = 0;
    // A port named by device path, or "sim" for the simulated radio; "" when
    // the numbered port is used.
    virtual std::string portDevice() const { return {}; }
    virtual int accessCode() const = 0;  // [User Mode] Level

    // Number of records of the list behind a numbered tree entry (channels,
    // personalities, scan lists); -1 when no list stands behind the id.
    virtual int listCount(int treeId) const = 0;
};
