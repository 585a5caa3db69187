#pragma once
// The channel list in the comma-separated layout that the common open-source
// multi-radio programming tool writes and reads, so channel lists move
// between this program and radios of other makes:
//
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
//   DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,
//   RPT1CALL,RPT2CALL,DVCODE
//
// The older layout without RxDtcsCode, CrossMode and Power is read too.
// Receive and transmit frequencies become Frequency with Duplex/Offset
// ("split" with the transmit frequency for pairs far apart, "off" for no
// transmit frequency); the tone words become Tone/rToneFreq/cToneFreq/
// DtcsCode/DtcsPolarity/RxDtcsCode/CrossMode (the inverted code is the R
// polarity); the spacing becomes Mode (NFM for 12.5 kHz, FM otherwise); the
// power level becomes Power in watts.
#include "model/Record.h"

#include <string>
#include <string_view>
#include <vector>

class CCodeplugData;
struct ModelValues;

struct CsvExport {
    std::string text;
    std::vector<std::string> warnings;  // "channel N: ..." for what the layout cannot carry
};
CsvExport channelsToCsv(const CCodeplugData& store);

struct CsvImport {
    bool ok = false;
    std::vector<std::string> errors;    // "line N, Column: ..."; any one refuses the whole file
    std::vector<std::string> warnings;  // clamped values, columns the radio cannot hold, rows left out
    std::vector<Record> channels;       // in Location order, each begun from the default channel
};
// Reads the rows into channel records for `model` (frequencies clamped to
// its band), at most `limit` of them.
CsvImport channelsFromCsv(std::string_view text, const ModelValues& model, std::size_t limit);

// The nominal output of each power level, as the layout writes it.
constexpr double kPowerWatts[] = {1.0, 2.0, 5.0};  // Low, Middle, High
