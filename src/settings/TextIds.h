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
constexpr int kOffWord = 1174;          // range edits: the word shown for a value that is off
constexpr int kFileDefaultExt = 1211;   // file dialogs: default extension
constexpr int kFileFilter = 1212;       // file dialogs: filter
constexpr int kOpenTooNew = 1230;       // Open: firmware newer than supported
constexpr int kPortPermission = 1244;   // a serial device the user may not open (format: device)
constexpr int kNotAFrequency = 1270;    // grid cells: the text is not a frequency
constexpr int kNotACtcssTone = 1271;    // grid cells: the text is not a CTCSS tone
constexpr int kNotACdcssCode = 1272;    // grid cells: the text is not a CDCSS code
constexpr int kNotAChoice = 1273;       // grid cells: the text is none of the column's choices
constexpr int kPasteRowsLeftOut = 1274; // paste: rows beyond the channel limit (format: rows, limit)
constexpr int kPasteCellsRefused = 1275;// paste: heading of the list of refused cells
constexpr int kPasteCellPlace = 1276;   // paste: one refused cell (format: row, column heading, reason)
constexpr int kPasteNothing = 1277;     // paste: the clipboard holds no table text
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

// Further texts that the shipped language files hold for the program's
// procedures and windows.
namespace MsgId {
constexpr int kCloseSaveQuestion = 816;   // closing the main window: save first?
constexpr int kReplaceSaveQuestion = 817; // New, Open, Read: save the changed codeplug first?
constexpr int kMenuRelabelFailed = 1152;  // a menu item could not be relabelled
constexpr int kTuneDataConfirm = 1154;   // Write Tune Data: start? (format: model name, range, file)
constexpr int kNoFileName = 1157;         // what a codeplug not saved in a file is called
constexpr int kTuneWriteFailed = 1155;    // tuning: register or volume write failed
constexpr int kTuneReadFailed = 1156;     // tuning: register read failed
constexpr int kTuneItemNoPoint = 1167;    // tuning: the item has no register
constexpr int kTunePointNamesMissing = 1168; // tuning: no point names in caption text 7067
constexpr int kPrintBoxCaption = 1173;    // print tree: caption of the warning box
constexpr int kTabBarTitle = 1175;        // caption of the window tab bar
constexpr int kFactoryModelNameEmpty = 1223; // factory mode: the model name is empty
constexpr int kPrintCancelledNoSection = 1228; // print tree: fourth attempt without a section
constexpr int kPrintSelectSection = 1229; // print tree: no section chosen
constexpr int kComPortPane = 2231;        // status bar port pane (format: port number)
constexpr int kGangSummary = 2297;        // several radios written at once (format: written, all)
constexpr int kReadyPrompt = 57345;       // default status-bar prompt
}  // namespace MsgId

namespace CapId {
constexpr int kProgramTitle = 128;        // main window title
constexpr int kNoneText = 807;            // "None": a channel without scan list (printout)
constexpr int kLogBarTitle = 910;         // caption of the two log bars
constexpr int kLanguageNames = 1039;      // languages offered by the Language dialog
constexpr int kSimulatedRadioPort = 1061; // port dialog: the simulated radio
constexpr int kDevicePathPort = 1062;     // port dialog: a serial device by path
constexpr int kSignalingList = 1076;      // signalling values (Model Information, radio information)
constexpr int kReadProgressTitle = 1601;  // progress dialog title for a read
constexpr int kWriteProgressTitle = 1602; // progress dialog title for a write
constexpr int kReadProgressFormat = 1604; // progress text while reading (format: percent)
constexpr int kWriteProgressFormat = 1605; // progress text while writing (format: percent)
constexpr int kPersonalityTitle = 2310;   // personality view, also a printed section
constexpr int kChannelTitle = 3655;       // channel view, also a printed section
constexpr int kChannelMiscTab = 3657;     // channel "Miscellaneous" tab
constexpr int kSpacingList = 3661;        // channel spacing values
constexpr int kPowerList = 3663;          // power level values
constexpr int kPrintSpacingList = 3664;   // channel spacing values in the printout
constexpr int kRxToneTypeList = 3668;     // receive tone types
constexpr int kPrintPowerList = 3673;     // power level values in the printout
constexpr int kTxToneTypeList = 3677;     // transmit tone types
constexpr int kPersonalityLabel = 3702;   // "Personality List" (invalid-value entries)
constexpr int kPersonalityChoices = 3703; // channel list grid: personality positions
constexpr int kScanListLabel = 3705;      // "Scan List" (invalid-value entries)
constexpr int kNoScanListItem = 3706;     // first scan-list choice: no scan list
constexpr int kAutoStartScanChoices = 3708; // channel list grid: auto start scan off/on
constexpr int kChannelListTitle = 3770;   // channel list view
constexpr int kScanTitle = 3801;          // scan view, also a printed section
constexpr int kScanMemberLabelFirst = 3905; // "Channel 1" .. "Channel 16": 3905 .. 3920
constexpr int kTestFreqTitle = 4000;      // test frequency view, also a printed section
constexpr int kBandFlagList = 4850;       // factory mode: U/V band flag
constexpr int kNoRevertChannelItem = 5412; // first revert-channel choice: none
constexpr int kTwoToneSystemTitle = 5450; // two-tone system view (invalid-value entries)
constexpr int kAlertToneLabel = 5476;     // "Alert Tone" (invalid-value entries)
constexpr int kTuningItemNames = 7053;    // tuning items: "id.name;..."
constexpr int kTuningItemFlags = 7054;    // tuning items: "id,flags;..."
constexpr int kTunePointNames = 7067;     // names of the five tuning points
constexpr int kTuneValueLabel = 7080;     // text before the tuning value
constexpr int kTuneVolumeLabel = 7084;    // text before the volume
constexpr int kCarrierOnChecked = 7091;   // output button, carrier registers, checked
constexpr int kCarrierOnUnchecked = 7092; // ... unchecked
constexpr int kTxOnChecked = 7093;        // output button, transmit registers, checked
constexpr int kTxOnUnchecked = 7094;      // ... unchecked
constexpr int kMenuCaptionFirst = 32790;  // top-level menu at position p: 32790 + p
}  // namespace CapId
