#pragma once
// The sections of the printed report, in print order. Each entry has the
// id of its editor (whose caption text is the section's name), a short
// English name for the command line, and the row builder that appends its
// block of rows.
#include "app/ReportRow.h"
#include "app/ReportSource.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ReportSectionId {
constexpr int kRadio = 1109;
constexpr int kKeys = 6601;
constexpr int kAlertTones = 5002;
constexpr int kMisc = 1400;
constexpr int kAtis = 4590;
constexpr int kDos = 4660;
constexpr int kChannels = 3655;
constexpr int kPersonalities = 2310;
constexpr int kTwoToneSystems = 5450;
constexpr int kTwoToneCalls = 5402;
constexpr int kScan = 3801;
constexpr int kTestFreq = 4000;
}  // namespace ReportSectionId

struct ReportSection {
    int id;
    const char* shortName;  // for --sections: "channels", "scan", ...
    void (*build)(const ReportSource& source, ReportRows& rows);
};

std::span<const ReportSection> reportSections();
// The entry with that id; nullptr when there is none.
const ReportSection* findReportSection(int id);
// An entry by its id ("3655") or short name ("channels"); nullptr when
// neither matches.
const ReportSection* findReportSection(std::string_view idOrName);
// Section ids from a comma-separated list of ids or short names, in the
// report's own order, each once; nullopt (with the first unknown name)
// when a name matches no section. An empty list selects every section.
std::optional<std::vector<int>> parseSectionList(std::string_view list, std::string* unknown = nullptr);
// "1109 radio, 6601 keys, ..." for help texts and usage errors.
std::string sectionListHelp();

// The rows of the given sections, in table order (the order of `ids` does
// not matter); unknown ids are left out.
ReportRows buildReport(const ReportSource& source, const std::vector<int>& ids);
// The rows of one section; an id without an entry prints the first one.
ReportRows buildSectionReport(const ReportSource& source, int id);

// The row builders.
void buildRadioRows(const ReportSource& source, ReportRows& rows);
void buildKeyRows(const ReportSource& source, ReportRows& rows);
void buildAlertToneRows(const ReportSource& source, ReportRows& rows);
void buildMiscRows(const ReportSource& source, ReportRows& rows);
void buildAtisRows(const ReportSource& source, ReportRows& rows);
void buildDosRows(const ReportSource& source, ReportRows& rows);
void buildChannelRows(const ReportSource& source, ReportRows& rows);
void buildPersonalityRows(const ReportSource& source, ReportRows& rows);
void buildTwoToneSystemRows(const ReportSource& source, ReportRows& rows);
void buildTwoToneCallRows(const ReportSource& source, ReportRows& rows);
void buildScanRows(const ReportSource& source, ReportRows& rows);
void buildTestFreqRows(const ReportSource& source, ReportRows& rows);
