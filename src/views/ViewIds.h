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
}  // namespace ViewCommand

namespace FormId {
constexpr int kRadio = 1109;
constexpr int kMisc = 1400;
constexpr int kPassword = 6351;
constexpr int kPasswordEntry = 6359;
}  // namespace FormId
