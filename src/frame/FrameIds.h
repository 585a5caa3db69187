#pragma once
// Command, control and message numbers of the main window. They double as
// the keys of the texts in the language file (menu texts, tool tips, status
// prompts) and as the help context numbers, so they are fixed numbers.

#include "views/ViewIds.h"

namespace Cmd {
// File
constexpr int kNew = 57600;
constexpr int kOpen = 57601;
constexpr int kSave = 57603;
constexpr int kSaveAs = 57604;
constexpr int kPrintSetup = 57606;
constexpr int kPrint = 57607;
constexpr int kPrintPreview = 57609;
constexpr int kExportPdf = 32961;      // the printed report as a PDF file
constexpr int kImportChannels = 32962; // the channels from a CSV channel list
constexpr int kExportChannels = 32963; // the channels as a CSV channel list
constexpr int kBackups = 32964;        // the images kept from radio reads and writes
constexpr int kRecentFirst = 57616;     // recent files 1-4: 57616 .. 57619
constexpr int kRecentCount = 4;
constexpr int kExit = 57665;
// Edit
constexpr int kUndo = 57643;
constexpr int kRedo = 57644;
// Model and radio
constexpr int kModelInfo = 32771;
constexpr int kComPort = 32772;
constexpr int kReadRadio = 32773;
constexpr int kWriteRadio = 32774;
constexpr int kWriteSeveral = 32965;  // one codeplug to several radios at once
constexpr int kMemoryUpdate = 32776;
constexpr int kLanguage = 32777;
constexpr int kAdjustment = 32697;
constexpr int kFactoryMode = 32698;
constexpr int kWriteTuneData = 32699;
// View
constexpr int kToolBar = 59392;
constexpr int kStatusBar = 59393;
constexpr int kTreeBar = 32778;
constexpr int kTabView = 32700;
constexpr int kLogView = 32905;
constexpr int kInvalidView = 32906;
// Window
constexpr int kCloseAll = 32779;
constexpr int kCloseAllButThis = 32904;
constexpr int kCascade = 57650;
constexpr int kTile = 57651;
constexpr int kArrange = 57649;
// Tab popup
constexpr int kTabMinimize = 32900;
constexpr int kTabRestore = 32901;
constexpr int kTabMaximize = 32902;
constexpr int kTabClose = 32903;
// Help
constexpr int kHelpTopics = 57667;
constexpr int kAbout = 57664;
// The editor entries ("&Edit" menu and tree): 32800 .. 32950.
constexpr int kEditFirst = 32800;
constexpr int kEditLast = 32950;
}  // namespace Cmd

namespace TreeId {
// Entries that open an editor share the editor table's command ids; the
// group entries are the tree's own.
constexpr int kRadio = ViewCommand::kRadio;
constexpr int kSettingsGroup = 32801;
constexpr int kKeys = ViewCommand::kKeys;
constexpr int kMisc = ViewCommand::kMisc;
constexpr int kPassword = ViewCommand::kPassword;
constexpr int kChannelGroup = 32821;
constexpr int kChannel = ViewCommand::kChannel;
constexpr int kPersonalityGroup = 32823;
constexpr int kPersonality = ViewCommand::kPersonality;
constexpr int kScanGroup = 32883;
constexpr int kScan = ViewCommand::kScan;
constexpr int kEmbedded = ViewCommand::kEmbedded;
constexpr int kTestFreq = ViewCommand::kTestFreq;
constexpr int kDataWatch = ViewCommand::kDataWatch;
constexpr int kChannelList = ViewCommand::kChannelList;
}  // namespace TreeId

// Texts of the main window that are not command texts.
namespace FrameText {
constexpr int kMainTitle = 128;         // caption: program title
constexpr int kLogBarCaption = 910;     // caption: both log bars
constexpr int kMenuCaptionBase = 32790; // caption: top-level menu p is 32790 + p
constexpr int kDefaultPrompt = 57345;   // message: default status prompt
constexpr int kTabBarCaption = 1175;    // message: tab bar caption
constexpr int kPortPane = 2231;         // message: port pane format ("COM%d")
constexpr int kCloseQuestion = 816;     // message: save before closing?
}  // namespace FrameText

// Control ids of the record navigation bar (template 153).
namespace NavBarId {
constexpr int kTemplate = 153;
constexpr int kClose = 1050;
constexpr int kPrint = 1051;
constexpr int kHelp = 1052;
constexpr int kFirst = 1053;            // 1053 .. 1058: first, previous, next, last, new, delete
constexpr int kPosition = 1059;
constexpr int kList = 1060;
}  // namespace NavBarId

// Record navigation actions carried from the bar to the view and the frame.
namespace NavBarAction {
constexpr int kFirst = 0;
constexpr int kPrevious = 1;
constexpr int kNext = 2;
constexpr int kLast = 3;
constexpr int kNew = 4;
constexpr int kDelete = 5;
constexpr int kGoTo = 6;
}  // namespace NavBarAction
