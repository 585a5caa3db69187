#pragma once
// Numbers of the language-file texts that the code refers to by name.
// Messages are looked up under S01, captions, menu and tree texts and list
// definitions under S02. A test checks that every number named here has a
// text in every shipped language file, so keep each on its own line in the
// form `constexpr int kName = number;`.

namespace MsgId {
constexpr int kNewConfirm = 800;        // New: discard the current codeplug?
constexpr int kRecentUnreadable = 802;  // Open Recent: header unreadable
constexpr int kSaveFailed = 803;        // Save, Save As: file not written
constexpr int kModelNotAccepted = 810;  // Open: model identifier not accepted
constexpr int kOpenUnreadable = 811;    // Open: header or image unreadable
constexpr int kInvalidValues = 814;     // Save, Save As, Write: invalid values found
constexpr int kRadioRefused = 818;      // radio identity: status 1 or 2 (format: firmware version)
constexpr int kRecentTooNew = 1140;     // Open Recent: firmware newer than supported
constexpr int kRadioReadDone = 1136;    // read from the radio finished
constexpr int kRadioWriteDone = 1137;   // write to the radio finished
constexpr int kRadioReadFailed = 1138;  // block read failed (format: address)
constexpr int kRadioWriteFailed = 1139; // block write failed (format: address)
constexpr int kRadioRangeOutside = 1142; // read: current range outside the radio's band (format: "%d-%d")
constexpr int kNoRadio = 1143;          // no radio answered on any port, or no answer to the mode command
constexpr int kRadioIdentityUnreadable = 1146; // the radio's identity could not be read
constexpr int kRangeListAlloc = 1147;   // range list cannot be allocated
constexpr int kTuneDataWritten = 1153;  // Write Tune Data finished
constexpr int kRadioWrongPassword = 1176; // the radio refused the password
constexpr int kRadioModelMismatch = 1172; // radio identity: another model
constexpr int kFreqOutOfBand = 1164;    // frequency edits: value clamped to the model band
constexpr int kFileDefaultExt = 1211;   // file dialogs: default extension
constexpr int kFileFilter = 1212;       // file dialogs: filter
constexpr int kOpenTooNew = 1230;       // Open: firmware newer than supported
}  // namespace MsgId

namespace CapId {
constexpr int kModelNameLabel = 1045;   // "Model Name:"
}  // namespace CapId
