// The blocks of the record lists other than the channels: each personality,
// two-tone system and scan list as its own group of settings under a
// heading with its number, the alert tones and two-tone calls as one row
// per record.
#include "app/ReportBlocks.h"
#include "app/ReportSections.h"
#include "model/CCodeplugData.h"
#include "model/PrimaryIdText.h"
#include "model/SectionFields.h"
#include "settings/LanguageFile.h"

#include <algorithm>

namespace {

using namespace ReportBlock;
namespace Id = ReportSectionId;
namespace T = ReportText;

// The number of the signalling system a personality names; empty without
// signalling.
std::string systemText(long long type, long long index) { return type == 0 ? std::string() : std::to_string(index + 1); }

}  // namespace

void buildPersonalityRows(const ReportSource& src, ReportRows& rows)
{
    constexpr Section P = Section::Personalities;
    addTitle(rows, caption(src, Id::kPersonalities));
    const auto& list = src.store.personalities;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Record& r = list[i].record;
        addHeading(rows, recordLabel(caption(src, Id::kPersonalities), static_cast<unsigned>(i + 1)));
        auto opt = [&](int label, const char* field) { addSetting(rows, caption(src, label), fieldOption(src, r, P, field)); };
        opt(2320, "tx_admit");
        opt(2324, "timeout_time");
        opt(2326, "timeout_pre_alert");
        opt(2328, "timeout_rekey");
        opt(2330, "timeout_reset");
        opt(2350, "squelch_mode");
        addSetting(rows, caption(src, 2560),
                   shownPrimaryId(static_cast<std::uint16_t>(fieldNumber(r, P, "ptt_id_primary"))));
        opt(2564, "ptt_id_type");
        opt(2566, "ptt_id_pre_time");
        opt(2568, "preamble_bit_sync");
        // The record keeps "off" bits; the boxes ask whether the tone is on.
        addSetting(rows, caption(src, 2570), fieldCheck(src, r, P, "side_tone_off", true));
        addSetting(rows, caption(src, 2571), fieldCheck(src, r, P, "short_beep_off", true));
        opt(2401, "rx_signal_type");
        addSetting(rows, caption(src, 2403),
                   systemText(fieldNumber(r, P, "rx_signal_type"), fieldNumber(r, P, "rx_signal_system")));
        opt(2406, "tx_signal_type");
        addSetting(rows, caption(src, 2408),
                   systemText(fieldNumber(r, P, "tx_signal_type"), fieldNumber(r, P, "tx_signal_system")));
        opt(2412, "decode_condition");
    }
    addClosing(rows);
}

void buildAlertToneRows(const ReportSource& src, ReportRows& rows)
{
    using namespace AlertToneField;
    constexpr int kCycleList = 5003, kSegmentsRule = 5018, kFirstFrequencyRule = 5004, kFirstDurationRule = 5019;
    constexpr int kLabelCycle = 5012, kLabelSegments = 5017, kLabelFrequency = 5013, kLabelDuration = 5014;
    // A frequency code below this is no tone; the editor shows it as 0.
    constexpr int kLowestToneCode = 40;
    // The unit of each of a tone's two rows stands in the fourth column.
    std::vector<int> weights{10, 18, 36, 20};
    weights.resize(4 + kToneCount, 15);

    addTitle(rows, caption(src, Id::kAlertTones));
    std::vector<std::string> head{text(src, T::kNo), caption(src, kLabelCycle), caption(src, kLabelSegments), ""};
    for (int k = 0; k < kToneCount; ++k) head.push_back(numbered(text(src, T::kToneN), static_cast<unsigned>(k + 1)));
    rows.push_back(weightedRow(RowStyle::kHeader, head, weights));

    const auto& list = src.store.alertTones;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Record& r = list[i].record;
        std::vector<std::string> freq{std::to_string(i + 1), option(src, kCycleList, r.u8(Cycle)),
                                      option(src, kSegmentsRule, r.u8(BeepSegments)), caption(src, kLabelFrequency)};
        std::vector<std::string> duration{"", "", "", caption(src, kLabelDuration)};
        for (int k = 0; k < kToneCount; ++k) {
            const int code = r.u8(frequency(k));
            freq.push_back(code < kLowestToneCode ? "0" : option(src, kFirstFrequencyRule + k, code));
            duration.push_back(option(src, kFirstDurationRule + k, r.u8(AlertToneField::duration(k))));
        }
        rows.push_back(weightedRow(RowStyle::kData, freq, weights));
        rows.push_back(weightedRow(RowStyle::kData, duration, weights));
    }
    addClosing(rows);
}

void buildTwoToneSystemRows(const ReportSource& src, ReportRows& rows)
{
    constexpr Section S = Section::TwoToneSystems;
    constexpr int kDecodeCount = TwoToneSystemField::kDecodeCount;
    addTitle(rows, caption(src, Id::kTwoToneSystems));
    const auto& list = src.store.twoToneSystems;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Record& r = list[i].record;
        addHeading(rows, recordLabel(caption(src, Id::kTwoToneSystems), static_cast<unsigned>(i + 1)));
        auto rule = [&](int label, int ruleId, const char* field) {
            addSetting(rows, caption(src, label), option(src, ruleId, fieldNumber(r, S, field)));
        };
        auto box = [&](int label, const char* field) { addSetting(rows, caption(src, label), fieldCheck(src, r, S, field)); };
        rule(5453, 5454, "pretime");
        rule(5456, 5457, "first_tone_duration");
        rule(5459, 5460, "second_tone_duration");
        rule(5462, 5463, "long_tone_duration");
        rule(5465, 5466, "gap_time");
        box(5470, "sidetone");
        box(5471, "short_beep");

        // The four decoders side by side.
        // The decoders' values start where the settings' values do.
        std::vector<int> weights(1 + kDecodeCount, 3);
        weights[0] = 8;
        std::vector<std::string> head{""};
        constexpr int kFirstDecodeLabel = 5477, kFormatLabel = 5481, kTypeLabel = 5482;
        std::vector<std::string> format{caption(src, kFormatLabel)}, type{caption(src, kTypeLabel)},
            alert{caption(src, 5476)}, transpond{caption(src, 5507)}, record{caption(src, 5511)};
        for (int k = 0; k < kDecodeCount; ++k) {
            const auto f = [&](const char* pattern) { return *findField(S, pattern, k); };
            head.push_back(caption(src, kFirstDecodeLabel + k));
            format.push_back(option(src, f("decode_%_call_format").listId, static_cast<long long>(fieldValue(r, f("decode_%_call_format")))));
            type.push_back(option(src, f("decode_%_call_type").listId, static_cast<long long>(fieldValue(r, f("decode_%_call_type")))));
            alert.push_back(option(src, 5503 + k, static_cast<long long>(fieldValue(r, f("decode_%_alert_tone")))));
            transpond.push_back(check(src, fieldValue(r, f("decode_%_transpond")) != 0));
            record.push_back(check(src, fieldValue(r, f("decode_%_record")) != 0));
        }
        rows.push_back(weightedRow(RowStyle::kHeader, head, weights));
        for (auto* line : {&format, &type, &alert, &transpond, &record})
            rows.push_back(weightedRow(RowStyle::kData, *line, weights));

        rule(5527, 5528, "transpond_delay");
        box(5530, "vibrate");
        box(5531, "led");
        box(5532, "clear_to_transpond");
        box(5533, "alert_tone_auto_reset");
        box(5534, "vibrate_auto_reset");
        box(5535, "led_auto_reset");
        addSetting(rows, caption(src, 5536), fieldOption(src, r, S, "respond_mode"));
        // Tones A to D: labels 5515 to 5518, values through the rules 5519 to 5522.
        const char* toneFields[] = {"tone_a", "tone_b", "tone_c", "tone_d"};
        for (int k = 0; k < 4; ++k)
            addSetting(rows, caption(src, 5515 + k), option(src, 5519 + k, fieldNumber(r, S, toneFields[k])));
    }
    addClosing(rows);
}

void buildTwoToneCallRows(const ReportSource& src, ReportRows& rows)
{
    constexpr Section C = Section::TwoToneCalls;
    constexpr int kRevertLabel = 5411, kNoRevert = 5412, kSystemLabel = 5413, kStripLabel = 5407, kFormatLabel = 5405,
                  kFirstToneLabel = 5410, kSecondToneLabel = 5406;
    // In proportion to the headings' widths.
    const std::vector<int> weights{9, 34, 26, 40, 32, 27, 28};
    addTitle(rows, caption(src, Id::kTwoToneCalls));
    rows.push_back(weightedRow(RowStyle::kHeader,
                               {text(src, T::kNo), caption(src, kSystemLabel), caption(src, kFormatLabel),
                                caption(src, kStripLabel), caption(src, kRevertLabel), caption(src, kFirstToneLabel),
                                caption(src, kSecondToneLabel)},
                               weights));
    const auto& list = src.store.twoToneCalls;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Record& r = list[i].record;
        // A revert channel that is not in the channel list shows none, as
        // in the editor; no revert channel at all reads "None".
        const int revert = src.store.channels.indexOfId(list[i].channelId);
        const std::string revertText = fieldNumber(r, C, "revert_channel") == 0 ? caption(src, kNoRevert)
                                       : revert < 0                          ? std::string()
                                                                             : std::to_string(revert + 1);
        rows.push_back(weightedRow(RowStyle::kData,
                                   {std::to_string(i + 1), std::to_string(fieldNumber(r, C, "system") + 1),
                                    fieldOption(src, r, C, "call_format"), fieldCheck(src, r, C, "strip_ctcss_cdcss"),
                                    revertText, option(src, 5408, fieldNumber(r, C, "first_tone")),
                                    option(src, 5409, fieldNumber(r, C, "second_tone"))},
                                   weights));
    }
    addClosing(rows);
}

void buildScanRows(const ReportSource& src, ReportRows& rows)
{
    constexpr Section S = Section::ScanList;
    constexpr int kEntriesLabel = 3940, kEntriesRule = 3943, kFirstMemberLabel = 3905;
    addTitle(rows, caption(src, Id::kScan));
    const auto& list = src.store.scanLists;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Record& r = list[i].record;
        addHeading(rows, recordLabel(caption(src, Id::kScan), static_cast<unsigned>(i + 1)));
        auto opt = [&](int label, const char* field) { addSetting(rows, caption(src, label), fieldOption(src, r, S, field)); };
        auto box = [&](int label, const char* field) { addSetting(rows, caption(src, label), fieldCheck(src, r, S, field)); };
        // Channels are chosen in boxes numbered from 1; a channel that is
        // not there leaves its box empty.
        auto channel = [&](int label, int channelId) {
            const int at = src.store.channels.indexOfId(channelId);
            addSetting(rows, caption(src, label), at < 0 ? std::string() : std::to_string(at + 1));
        };
        const long long entries = fieldNumber(r, S, "entries");
        addSetting(rows, caption(src, kEntriesLabel), option(src, kEntriesRule, entries));
        opt(3829, "ctcss_cdcss_scan_mode");
        opt(3831, "signal_scan_mode");
        opt(3851, "signal_hang_time");
        opt(3845, "scan_tx_mode");
        opt(3847, "hang_time");
        channel(3849, list[i].designatedId);
        opt(3833, "priority_channel_1_mode");
        channel(3835, list[i].priorityId);
        box(3837, "priority_channel_1_delete_add");
        opt(3843, "priority_sweep_time");
        box(3855, "scan_start_alert");
        box(3856, "scan_end_alert");
        box(3860, "priority_scan_alert");
        box(3857, "include_current_channel");
        box(3858, "priority_scan_in_auto_reset");
        box(3854, "nuisance_delete");
        box(3861, "talkback_enable");
        box(3853, "nuisance_reset");
        const int members = static_cast<int>(std::clamp<long long>(entries, 0, ScanField::kMemberCount));
        for (int k = 0; k < members; ++k)
            channel(kFirstMemberLabel + k, list[i].memberIds[static_cast<std::size_t>(k)]);
    }
    addClosing(rows);
}
