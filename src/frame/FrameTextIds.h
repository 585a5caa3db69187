#pragma once
// Numbers of the language-file texts that only the desktop program's windows
// use. The test that keeps the shipped language files in step with
// settings/TextIds.h reads this file too, so keep each on its own line in
// the form `constexpr int kName = number;`.

namespace MsgId {
constexpr int kSimPortPane = 2240;        // status bar port pane: the simulated radio
constexpr int kModelDatNotWritten = 2241; // the model database could not be written (format: reason)
constexpr int kEditorMissing = 2242;      // an entry whose editor this build lacks
constexpr int kAllFilesFilter = 2243;     // file dialogs: the filter for every file
constexpr int kHelpTitle = 2244;          // title of the help window
constexpr int kHelpContents = 2245;       // help window: the contents button
constexpr int kHelpMissing = 2246;        // help window: no pages (format: folder)
constexpr int kAboutVersion = 2247;       // About: the version line (format: version)
constexpr int kAboutNote = 2248;          // About: what the program is
constexpr int kCsvFilter = 2260;          // file dialogs: the filter for channel lists
constexpr int kCsvRefused = 2261;         // a channel list refused (format: file)
constexpr int kCsvConfirm = 2262;         // import question (format: count, file)
constexpr int kCsvNotes = 2263;           // heading of the notes on an import or export
constexpr int kCsvExported = 2264;        // export done (format: file)
constexpr int kBackupsTitle = 2265;       // title of the backups window
constexpr int kBackupsColumns = 2266;     // its column headings, separated by ';'
constexpr int kBackupsNone = 2267;        // no backups yet (format: folder)
constexpr int kBackupFailed = 2268;       // a transfer's backup failed (format: reason)
constexpr int kBackupsOpen = 2269;        // the open button of the backups window
constexpr int kFileNotWritten = 2270;     // a file could not be written (format: reason)
constexpr int kBackupsKinds = 2271;       // the backups' directions "read;write", as the window shows them
constexpr int kBackupsNoSerial = 2272;    // a backup of an image without a serial number
constexpr int kGangTitle = 2290;          // title of Write to Several Radios
constexpr int kGangPorts = 2291;          // its port list's label
constexpr int kGangColumns = 2292;        // its column headings, separated by ';'
constexpr int kGangPassword = 2293;       // the password edit's label
constexpr int kGangAddPort = 2294;        // the label of the edit for another port
constexpr int kGangAdd = 2295;            // the button that adds that port
constexpr int kGangWrite = 2296;          // the button that starts the writes
constexpr int kGangNeedsPassword = 2298;  // a radio asked for a password and none was given
constexpr int kGangRunning = 2299;        // while writing: the dialog closes when all are done
constexpr int kGangSimPort = 2289;        // the simulated radio in the port list
constexpr int kFactoryBusy = 2350;        // Factory Mode: the radio is being read or written
constexpr int kFactoryTooLong = 2351;     // Factory Mode: an entry is too long (format: field, most)
constexpr int kFactoryNotNumber = 2352;   // Factory Mode: an entry is not a number (format: field)
constexpr int kFactoryOutOfRange = 2353;  // Factory Mode: an entry is out of range (format: field, low, high)
}  // namespace MsgId
