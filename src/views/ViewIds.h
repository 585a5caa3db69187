#pragma once
// Command ids of the view table (the main frame opens a view by them) and
// the form ids of the editors (their caption's language key and help
// fallback).
namespace ViewCommand {
constexpr int kRadio = 32800;
constexpr int kKeys = 32802;
constexpr int kMisc = 32803;
constexpr int kPassword = 32813;
constexpr int kChannel = 32822;
constexpr int kChannelList = 32895;
constexpr int kPersonality = 32824;
constexpr int kScan = 32884;
constexpr int kEmbedded = 32886;
constexpr int kTestFreq = 32887;
constexpr int kDataWatch = 32888;
// The signalling editors, opened from the Edit > Signalling submenu only
// (the navigation tree has no entry for them).
constexpr int kSignallingGroup = 32890;
constexpr int kAlertTone = 32858;
constexpr int kTwoToneSystem = 32849;
constexpr int kTwoToneCall = 32889;
constexpr int kPttId = 32864;
constexpr int kDos = 32891;
constexpr int kAtis = 32892;
}  // namespace ViewCommand

namespace FormId {
constexpr int kRadio = 1109;
constexpr int kMisc = 1400;
constexpr int kPassword = 6351;
constexpr int kPasswordEntry = 6359;
constexpr int kKeys = 6601;
constexpr int kAlertTone = 5002;
constexpr int kTwoToneSystem = 5450;
constexpr int kTwoToneBasic = 5451;
constexpr int kTwoToneAdvanced = 5452;
constexpr int kTwoToneCall = 5402;
constexpr int kPttId = 1655;
constexpr int kDos = 4660;
constexpr int kAtis = 4590;
constexpr int kEmbedded = 4701;
constexpr int kTestFreq = 4000;
constexpr int kDataWatch = 3509;
constexpr int kChannel = 3655;
constexpr int kChannelList = 3770;
constexpr int kScan = 3801;
constexpr int kPersonality = 2310;
}  // namespace FormId
