#pragma once
// What the main window needs to know from the rest of the program: the
// language texts, the current model and port, the access level and the
// record counts of the numbered tree entries. The application implements it
// on the settings manager and the section store; tests implement it on
// plain values.
#include <string>

class IFrameHost {
public:
    virtual ~IFrameHost() = default;

    // Caption text (S02) and message text (S01); "" when the language file
    // has none.
    virtual std::string caption(int id) const = 0;
    virtual std::string message(int id) const = 0;
    virtual int languageIndex() const = 0;
    // Per-model flag of a control (S00 in the current model's section);
    // non-zero disables the control and hides invalid values it holds.
    virtual int modelFlag(int controlId) const = 0;

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
