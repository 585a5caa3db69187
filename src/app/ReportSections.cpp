#include "app/ReportSections.h"

#include <algorithm>
#include <charconv>

namespace {

using namespace ReportSectionId;

const ReportSection kSections[] = {
    {kRadio, "radio", buildRadioRows},
    {kKeys, "keys", buildKeyRows},
    {kAlertTones, "alert-tones", buildAlertToneRows},
    {kMisc, "misc", buildMiscRows},
    {kAtis, "atis", buildAtisRows},
    {kDos, "dos", buildDosRows},
    {kChannels, "channels", buildChannelRows},
    {kPersonalities, "personalities", buildPersonalityRows},
    {kTwoToneSystems, "two-tone-systems", buildTwoToneSystemRows},
    {kTwoToneCalls, "two-tone-calls", buildTwoToneCallRows},
    {kScan, "scan", buildScanRows},
    {kTestFreq, "test-frequencies", buildTestFreqRows},
};

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::span<const ReportSection> reportSections() { return kSections; }

const ReportSection* findReportSection(int id)
{
    for (const ReportSection& s : kSections)
        if (s.id == id) return &s;
    return nullptr;
}

const ReportSection* findReportSection(std::string_view idOrName)
{
    idOrName = trimmed(idOrName);
    int id = 0;
    const char* end = idOrName.data() + idOrName.size();
    if (auto [p, ec] = std::from_chars(idOrName.data(), end, id); ec == std::errc() && p == end)
        return findReportSection(id);
    for (const ReportSection& s : kSections)
        if (idOrName == s.shortName) return &s;
    return nullptr;
}

std::optional<std::vector<int>> parseSectionList(std::string_view list, std::string* unknown)
{
    std::vector<bool> chosen(std::size(kSections), false);
    bool any = false;
    while (!list.empty()) {
        const auto comma = list.find(',');
        const std::string_view name = trimmed(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
        if (name.empty()) continue;
        const ReportSection* s = findReportSection(name);
        if (!s) {
            if (unknown) *unknown = std::string(name);
            return std::nullopt;
        }
        chosen[static_cast<std::size_t>(s - kSections)] = true;
        any = true;
    }
    std::vector<int> ids;
    for (std::size_t i = 0; i < std::size(kSections); ++i)
        if (chosen[i] || !any) ids.push_back(kSections[i].id);
    return ids;
}

std::string sectionListHelp()
{
    std::string out;
    for (const ReportSection& s : kSections) {
        if (!out.empty()) out += ", ";
        out += std::to_string(s.id) + " " + s.shortName;
    }
    return out;
}

ReportRows buildReport(const ReportSource& source, const std::vector<int>& ids)
{
    ReportRows rows;
    for (const ReportSection& s : kSections)
        if (std::find(ids.begin(), ids.end(), s.id) != ids.end()) s.build(source, rows);
    return rows;
}

ReportRows buildSectionReport(const ReportSource& source, int id)
{
    const ReportSection* s = findReportSection(id);
    if (!s) s = &kSections[0];
    ReportRows rows;
    s->build(source, rows);
    return rows;
}
