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
constexpr int kPersonalityView = 2310;  // personality editor title
constexpr int kPersonalitySignalPage = 2313; // personality "Signaling" tab
constexpr int kPersonalityRxSignalling = 2402; // RX optional signalling box
constexpr int kPersonalityRxSystemLabel = 2403; // "RX Signaling System"
constexpr int kPersonalityTxSignalling = 2407; // TX optional signalling box
constexpr int kPersonalityTxSystemLabel = 2408; // "TX Signaling System"
constexpr int kChannelView = 3655;      // channel editor title
constexpr int kChannelMiscPage = 3657;  // channel "Miscellaneous" tab
constexpr int kChannelPersonalityInvalid = 3702; // invalid value: channel personality
constexpr int kChannelPersonalityBox = 3703;     // channel personality box
constexpr int kChannelScanInvalid = 3705;        // invalid value: channel scan list
constexpr int kChannelScanBox = 3706;            // channel scan list box
constexpr int kScanView = 3801;         // scan editor title
constexpr int kScanChannelPage = 3803;  // scan "Channel list" tab
constexpr int kScanMemberLabel1 = 3905; // scan member labels 3905-3920
constexpr int kTwoToneSystemView = 5450; // two-tone system editor title
constexpr int kTwoToneAlertInvalid = 5476; // invalid value: decode alert tone
constexpr int kTwoToneAlertBox1 = 5503; // two-tone decode alert tone boxes 5503-5506
}  // namespace CapId
