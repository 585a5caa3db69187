// The blocks of the single-record sections: one row per setting, its label
// and what its control shows.
#include "app/ReportBlocks.h"
#include "app/ReportSections.h"
#include "model/CCodeplugData.h"
#include "model/FreqBcd.h"
#include "model/ProgrammingStamp.h"
#include "model/RadioInfoRecord.h"
#include "model/SectionFields.h"
#include "model/TestFreqRecord.h"
#include "settings/LanguageFile.h"

#include <algorithm>

namespace {

using namespace ReportBlock;
namespace Id = ReportSectionId;

enum class Shown { Option, Check, CheckInverted, Text };

// One setting of a form: the caption of its label and the field its
// control edits.
struct SettingLine {
    int labelId;
    const char* field;
    Shown shown = Shown::Option;
};

void addLines(const ReportSource& src, ReportRows& rows, const Record& record, Section section,
              std::initializer_list<SettingLine> lines)
{
    for (const SettingLine& line : lines) {
        std::string value;
        switch (line.shown) {
        case Shown::Option: value = fieldOption(src, record, section, line.field); break;
        case Shown::Check: value = fieldCheck(src, record, section, line.field); break;
        case Shown::CheckInverted: value = fieldCheck(src, record, section, line.field, true); break;
        case Shown::Text: value = fieldText(record, *findField(section, line.field)); break;
        }
        addSetting(rows, caption(src, line.labelId), value);
    }
}

// A stored text up to its first NUL, without the padding blanks.
std::string storedText(const Record& record, Offset offset, std::size_t length)
{
    std::string s = record.text(offset, length);
    if (const auto nul = s.find('\0'); nul != std::string::npos) s.resize(nul);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

constexpr int kSignallingList = 1076;

}  // namespace

void buildRadioRows(const ReportSource& src, ReportRows& rows)
{
    using namespace RadioInfoField;
    const Record& r = src.store.radioInfo;
    addTitle(rows, caption(src, Id::kRadio));
    addSetting(rows, caption(src, 1110), storedText(r, ModelName, kModelNameLength));
    addSetting(rows, caption(src, 1112), std::to_string(src.model.lowMHz()) + "-" + std::to_string(src.model.highMHz()));
    addSetting(rows, caption(src, 1114), storedText(r, Serial, kSerialLength));
    addSetting(rows, caption(src, 1116), "V" + src.firmwareVersion.substr(0, 7));
    addSetting(rows, caption(src, 1118), option(src, kSignallingList, src.model.signal));
    ProgrammingStamp stamp{};
    const auto bytes = r.bytes(Stamp, stamp.size());
    std::copy(bytes.begin(), bytes.end(), stamp.begin());
    addSetting(rows, caption(src, 1120), programmingStampText(stamp));
    addClosing(rows);
}

void buildKeyRows(const ReportSource& src, ReportRows& rows)
{
    addTitle(rows, caption(src, Id::kKeys));
    // Side key 1 is the A key of the radio, side key 2 the B key.
    addLines(src, rows, src.store.keys, Section::Keys,
             {{6613, "key_a2"}, {6615, "key_a3"}, {6619, "key_b2"}, {6621, "key_b3"}});
    addClosing(rows);
}

void buildMiscRows(const ReportSource& src, ReportRows& rows)
{
    addTitle(rows, caption(src, Id::kMisc));
    addLines(src, rows, src.store.misc, Section::Misc,
             {{1405, "vox_gain_level"},
              {1409, "vox_inhibit_on_receive", Shown::Check},
              {1407, "vox_delay_time"},
              {1403, "carrier_squelch_level"},
              {1401, "ctcss_tail_revert"},
              {1410, "battery_save", Shown::Check},
              {1411, "battery_save_mode"},
              {1413, "low_power_alert_gap"}});
    addClosing(rows);
}

void buildAtisRows(const ReportSource& src, ReportRows& rows)
{
    addTitle(rows, caption(src, Id::kAtis));
    addLines(src, rows, src.store.atis, Section::Atis, {{4594, "code", Shown::Text}, {4591, "pre_time"}});
    addClosing(rows);
}

void buildDosRows(const ReportSource& src, ReportRows& rows)
{
    addTitle(rows, caption(src, Id::kDos));
    addLines(src, rows, src.store.dos, Section::Dos,
             {{4666, "enable", Shown::Check}, {4669, "pre_mute_duration"}});
    addClosing(rows);
}

void buildTestFreqRows(const ReportSource& src, ReportRows& rows)
{
    using namespace TestFreqField;
    constexpr int kTestGrid = 4010, kPointGrid = 4011, kRxLabel = 7060, kTxLabel = 7062, kPointNames = 7067;
    const Record& r = src.store.testFreq;
    const std::vector<int> weights{1, 2, 2};
    auto heading = [&](int gridId) {
        rows.push_back(weightedRow(RowStyle::kHeader,
                                   {caption(src, gridId), caption(src, kRxLabel), caption(src, kTxLabel)}, weights));
    };
    addTitle(rows, caption(src, Id::kTestFreq));
    heading(kTestGrid);
    for (int k = 0; k < kTestCount; ++k)
        rows.push_back(weightedRow(RowStyle::kData,
                                   {std::to_string(k + 1), FreqBcd::text(r.u32(testRx(k))), FreqBcd::text(r.u32(testTx(k)))},
                                   weights));
    rows.push_back(equalRow(RowStyle::kBlank, {""}));
    heading(kPointGrid);
    const std::vector<std::string> names = src.language.listNames(kPointNames);
    for (int i = 0; i < kPointCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const std::string name = at < names.size() && !names[at].empty() ? names[at] : std::to_string(i + 1);
        rows.push_back(weightedRow(RowStyle::kData,
                                   {name, FreqBcd::text(r.u32(pointRx(i))), FreqBcd::text(r.u32(pointTx(i)))},
                                   weights));
    }
    addClosing(rows);
}
