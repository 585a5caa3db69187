#include "app/CodeplugJson.h"

#include "app/JsonFieldCodec.h"
#include "model/CCodeplugData.h"
#include "settings/ModelValues.h"
#include "model/MemoryMap.h"
#include "model/PersonalityRecord.h"
#include "model/SectionFields.h"
#include "model/TwoToneRecords.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <set>

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

constexpr const char* kFormat = "qav-codeplug";
constexpr int kVersion = 1;
constexpr std::size_t kRowBytes = 32;  // image bytes per line of the unnamed bits

// The header's fields, each a run of bytes like a record field, so the
// same codec reads and writes them; the reserved bytes are "header_rest".
struct HeaderPart {
    const char* name;
    std::size_t offset;
    std::size_t length;  // texts; 0 for numbers
    std::size_t width;   // numbers: 1 or 2 bytes, little-endian
};
constexpr HeaderPart kHeaderParts[] = {
    {"model_id", HeaderField::kModelId, 16, 0},         {"model_name", HeaderField::kModelName, 16, 0},
    {"low_mhz", HeaderField::kLowMHz, 0, 2},            {"high_mhz", HeaderField::kHighMHz, 0, 2},
    {"firmware", HeaderField::kFirmware, 16, 0},        {"format_version", HeaderField::kFormatVersion, 16, 0},
    {"band_flags", HeaderField::kBandFlags, 0, 1},      {"signal", HeaderField::kSignal, 0, 1},
};
constexpr std::size_t kFixedHeaderBytes = 8;  // the tag and the length, always written

std::array<bool, std::tuple_size_v<CodeplugHeader>> headerCoverage()
{
    std::array<bool, std::tuple_size_v<CodeplugHeader>> covered{};
    for (std::size_t i = 0; i < kFixedHeaderBytes; ++i) covered[i] = true;
    for (const HeaderPart& p : kHeaderParts)
        for (std::size_t i = 0; i < (p.length ? p.length : p.width); ++i) covered[p.offset + i] = true;
    return covered;
}

void putFixedHeader(CodeplugHeader& h)
{
    const std::uint32_t tag = kHeaderTag, length = std::tuple_size_v<CodeplugHeader>;
    for (int i = 0; i < 4; ++i) {
        h[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(tag >> (8 * i));
        h[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(length >> (8 * i));
    }
}

bool isFixedSection(Section s) { return mapEntry(s).maxRecords == 1; }

const char* sectionKey(Section s) { return mapEntry(s).name; }

ImageBytes fieldBitsOf(const ImageBytes& image)
{
    ImageBytes mask{};
    for (const SectionInfo& info : sectionInfos())
        for (std::size_t at : recordOffsets(info.section, image)) markFieldBits(info.section, at, mask);
    return mask;
}

std::string rowKey(std::size_t at)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04zX", at);
    return buf;
}

ordered_json recordJson(const Record& r, Section section, const OptionNames& names)
{
    ordered_json fields = ordered_json::object();
    for (const FieldDesc& f : sectionFields(section)) fields[f.name] = encodeField(r, f, names);
    return fields;
}

// Import state: the errors and warnings with the JSON path they concern.
struct Report {
    std::vector<std::string> errors, warnings;
    void error(const std::string& path, const std::string& what) { errors.push_back(path + ": " + what); }
    void warn(const std::string& path, const std::string& what) { warnings.push_back(path + ": " + what); }
};

void checkKeys(const json& object, const std::set<std::string>& known, const std::string& path, Report& report)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.count(it.key())) report.error(path + "." + it.key(), "unknown key");
}

// Fills `record` (holding the defaults) from the JSON object of one record.
void readRecord(const json& object, Section section, const std::string& path, const OptionNames& names,
                Record& record, Report& report)
{
    if (!object.is_object()) {
        report.error(path, "expected an object of fields");
        return;
    }
    std::set<std::string> known;
    for (const FieldDesc& f : sectionFields(section)) {
        known.insert(f.name);
        const auto it = object.find(f.name);
        if (it == object.end()) {
            report.warn(path + "." + f.name, "missing, taken from the defaults");
            continue;
        }
        const std::string problem = decodeField(*it, f, names, record);
        if (!problem.empty()) report.error(path + "." + f.name, problem);
    }
    checkKeys(object, known, path, report);
}

// The list's records from the JSON array, each begun from the default record.
std::vector<Record> readList(const json& array, Section section, const std::string& path, const OptionNames& names,
                             const Record& base, Report& report)
{
    std::vector<Record> records;
    const int limit = mapEntry(section).maxRecords;
    if (!array.is_array()) {
        report.error(path, "expected an array of records");
        return records;
    }
    if (array.empty() || array.size() > static_cast<std::size_t>(limit)) {
        report.error(path, "holds " + std::to_string(array.size()) + " records; 1 to " + std::to_string(limit) +
                               " are possible");
        return records;
    }
    for (std::size_t i = 0; i < array.size(); ++i) {
        Record r = base;
        readRecord(array[i], section, path + "[" + std::to_string(i) + "]", names, r, report);
        records.push_back(std::move(r));
    }
    return records;
}

// The slots the records go to. Two-tone calls keep the slots their links
// give when those lead through exactly these records; otherwise (a call
// added or removed by hand) they are laid out one after another and linked
// as the program links them.
std::vector<std::size_t> placementOf(Section section, std::vector<Record>& records, const std::string& path,
                                     Report& report)
{
    if (section != Section::TwoToneCalls) return consecutiveOffsets(section, records.size());
    std::vector<std::size_t> linked = linkedCallOffsets(records);
    if (!linked.empty()) return linked;
    std::vector<std::size_t> slots = consecutiveOffsets(section, records.size());
    const std::size_t n = slots.size();
    for (std::size_t i = 0; i < n; ++i) {
        records[i].setU16le(TwoToneCallField::Prev, static_cast<std::uint16_t>(slots[i == 0 ? n - 1 : i - 1]));
        records[i].setU16le(TwoToneCallField::Next, static_cast<std::uint16_t>(slots[i + 1 == n ? 0 : i + 1]));
    }
    report.warn(path, "the calls' prev/next links did not chain these records; they were linked in order");
    return slots;
}

// The radio takes its PTT-ID settings from the first personality: packing
// copies that personality's PTT-ID bytes into the PTT-ID section. The import
// keeps both as given (so an export imports byte for byte), but says when
// they disagree, since the next write or save makes the section follow the
// personality.
void warnIfPttIdOutOfStep(const ImageBytes& image, std::size_t personalityOne, Report& report)
{
    const std::size_t block = personalityOne + PersonalityField::PttIdBlock;
    const std::size_t section = mapEntry(Section::PttId).image;
    if (block + PersonalityField::kPttIdBlockSize > image.size() ||
        std::equal(image.begin() + static_cast<std::ptrdiff_t>(block),
                   image.begin() + static_cast<std::ptrdiff_t>(block + PersonalityField::kPttIdBlockSize),
                   image.begin() + static_cast<std::ptrdiff_t>(section)))
        return;
    report.warn("sections." + std::string(sectionKey(Section::PttId)),
                "differs from the PTT-ID fields of the first personality (sections." +
                    std::string(sectionKey(Section::Personalities)) +
                    "[0].ptt_id_*); the radio takes these settings from the first personality, so the next "
                    "write to a radio or save from the program makes this section follow it");
}

void readHeader(const json& j, CodeplugHeader& header, Report& report)
{
    if (!j.is_object()) {
        report.error("header", "expected an object");
        return;
    }
    std::set<std::string> known;
    for (const HeaderPart& p : kHeaderParts) {
        known.insert(p.name);
        const std::string path = std::string("header.") + p.name;
        const auto it = j.find(p.name);
        if (it == j.end()) {
            report.error(path, "missing");
            continue;
        }
        std::string problem;
        if (p.length) {
            problem = decodeTextBytes(*it, std::span<std::uint8_t>(header.data() + p.offset, p.length));
        } else {
            std::uint64_t v = 0;
            problem = decodeNumber(*it, p.width == 2 ? 0xFFFFu : 0xFFu, v);
            for (std::size_t i = 0; i < p.width; ++i) header[p.offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
        if (!problem.empty()) report.error(path, problem);
    }
    checkKeys(j, known, "header", report);
}

}  // namespace

ordered_json codeplugToJson(const CodeplugContent& content, const OptionNames& names)
{
    ordered_json out;
    out["format"] = kFormat;
    out["version"] = kVersion;

    ordered_json header = ordered_json::object();
    for (const HeaderPart& p : kHeaderParts) {
        if (p.length) {
            header[p.name] = encodeTextBytes(std::span<const std::uint8_t>(content.header.data() + p.offset, p.length));
        } else {
            std::uint32_t v = 0;
            for (std::size_t i = 0; i < p.width; ++i) v |= static_cast<std::uint32_t>(content.header[p.offset + i]) << (8 * i);
            header[p.name] = v;
        }
    }
    out["header"] = std::move(header);
    const auto covered = headerCoverage();
    std::vector<std::uint8_t> rest(content.header.size(), 0);
    bool anyRest = false;
    for (std::size_t i = 0; i < rest.size(); ++i)
        if (!covered[i] && content.header[i] != 0) rest[i] = content.header[i], anyRest = true;
    if (anyRest) out["header_rest"] = hexText(rest);
    out["information"] = encodeTextBytes(std::span<const std::uint8_t>(
        reinterpret_cast<const std::uint8_t*>(content.info.data()), content.info.size()));

    ordered_json sections = ordered_json::object();
    for (const SectionInfo& info : sectionInfos()) {
        const std::vector<std::size_t> offsets = recordOffsets(info.section, content.image);
        if (isFixedSection(info.section)) {
            sections[sectionKey(info.section)] =
                recordJson(takeRecord(info.section, offsets.front(), content.image), info.section, names);
            continue;
        }
        ordered_json records = ordered_json::array();
        for (std::size_t at : offsets)
            records.push_back(recordJson(takeRecord(info.section, at, content.image), info.section, names));
        sections[sectionKey(info.section)] = std::move(records);
    }
    out["sections"] = std::move(sections);

    // What no field names: the image with the field bits cleared, by rows
    // that hold anything at all.
    const ImageBytes mask = fieldBitsOf(content.image);
    ordered_json unnamed = ordered_json::object();
    for (std::size_t row = 0; row < content.image.size(); row += kRowBytes) {
        std::vector<std::uint8_t> bytes(kRowBytes);
        bool any = false;
        for (std::size_t i = 0; i < kRowBytes; ++i) {
            bytes[i] = static_cast<std::uint8_t>(content.image[row + i] & ~mask[row + i]);
            any = any || bytes[i] != 0;
        }
        if (any) unnamed[rowKey(row)] = hexText(bytes);
    }
    out["unnamed_bits"] = std::move(unnamed);
    return out;
}

JsonImport codeplugFromJson(const json& in, const OptionNames& names, const DefaultImage& defaults)
{
    JsonImport result;
    Report report;
    if (!in.is_object()) {
        result.errors.push_back("$: expected a JSON object");
        return result;
    }
    checkKeys(in, {"format", "version", "header", "header_rest", "information", "sections", "unnamed_bits"}, "$",
              report);
    if (in.value("format", std::string()) != kFormat) report.error("format", std::string("must be \"") + kFormat + "\"");
    if (!in.contains("version") || !in["version"].is_number_integer() || in["version"].get<long long>() != kVersion)
        report.error("version", "must be " + std::to_string(kVersion));

    CodeplugContent& c = result.content;
    if (const auto it = in.find("header_rest"); it != in.end()) {
        std::vector<std::uint8_t> rest(c.header.size());
        const std::string problem = decodeHex(*it, rest);
        if (!problem.empty()) report.error("header_rest", problem);
        const auto covered = headerCoverage();
        for (std::size_t i = 0; i < rest.size(); ++i)
            if (!covered[i]) c.header[i] = rest[i];
    }
    putFixedHeader(c.header);
    if (const auto it = in.find("header"); it != in.end()) readHeader(*it, c.header, report);
    else report.error("header", "missing (it names the model the codeplug is for)");
    if (const auto it = in.find("information"); it != in.end()) {
        std::vector<std::uint8_t> bytes;
        const std::string problem = decodeTextBytes(*it, bytes);
        if (!problem.empty()) report.error("information", problem);
        c.info.assign(bytes.begin(), bytes.end());
    }
    if (!report.errors.empty()) {
        result.errors = std::move(report.errors);
        return result;
    }

    const ImageBytes base = defaults(c.header);
    if (const auto it = in.find("unnamed_bits"); it != in.end()) {
        if (!it->is_object()) report.error("unnamed_bits", "expected an object of image rows");
        else
            for (auto row = it->begin(); row != it->end(); ++row) {
                const std::string path = "unnamed_bits." + row.key();
                unsigned long at = 0;
                char* end = nullptr;
                at = std::strtoul(row.key().c_str(), &end, 16);
                if (row.key().rfind("0x", 0) != 0 || *end != '\0' || at % kRowBytes != 0 || at >= c.image.size()) {
                    report.error(path, "not the address of an image row");
                    continue;
                }
                std::vector<std::uint8_t> bytes(kRowBytes);
                const std::string problem = decodeHex(row.value(), bytes);
                if (!problem.empty()) report.error(path, problem);
                else std::copy(bytes.begin(), bytes.end(), c.image.begin() + static_cast<std::ptrdiff_t>(at));
            }
    } else {
        c.image = base;
        report.warn("unnamed_bits", "missing, taken from the defaults");
    }

    const json* sections = nullptr;
    if (const auto it = in.find("sections"); it != in.end() && it->is_object()) sections = &*it;
    else if (it != in.end()) report.error("sections", "expected an object of sections");
    std::set<std::string> known;
    std::size_t personalityOne = 0;  // image address of the first personality
    for (const SectionInfo& info : sectionInfos()) {
        const Section s = info.section;
        const std::string key = sectionKey(s);
        known.insert(key);
        const std::string path = "sections." + key;
        const std::vector<std::size_t> baseOffsets = recordOffsets(s, base);
        const Record baseRecord = takeRecord(s, baseOffsets.front(), base);
        if (s == Section::Personalities) personalityOne = baseOffsets.front();
        if (!sections || !sections->contains(key)) {
            report.warn(path, "missing, taken from the defaults");
            for (std::size_t at : baseOffsets) placeRecord(s, at, takeRecord(s, at, base), c.image);
            continue;
        }
        const json& j = (*sections)[key];
        if (isFixedSection(s)) {
            Record r = baseRecord;
            readRecord(j, s, path, names, r, report);
            placeRecord(s, mapEntry(s).image, r, c.image);
            continue;
        }
        std::vector<Record> records = readList(j, s, path, names, baseRecord, report);
        if (records.empty()) continue;
        const std::vector<std::size_t> slots = placementOf(s, records, path, report);
        for (std::size_t i = 0; i < slots.size(); ++i) placeRecord(s, slots[i], records[i], c.image);
        if (s == Section::Personalities && !slots.empty()) personalityOne = slots.front();
        // A shorter list than the image held ends at the slot after it.
        const MapEntry& e = mapEntry(s);
        if (e.endMarker >= 0 && records.size() < static_cast<std::size_t>(e.maxRecords))
            c.image[e.image + records.size() * e.pieceLength + static_cast<std::size_t>(e.endMarker)] = 0xFF;
    }
    if (sections) checkKeys(*sections, known, "sections", report);
    warnIfPttIdOutOfStep(c.image, personalityOne, report);

    result.errors = std::move(report.errors);
    result.warnings = std::move(report.warnings);
    result.ok = result.errors.empty();
    return result;
}

ImageBytes defaultImageFor(const CodeplugHeader& header)
{
    ModelValues model;
    applyHeaderToModel(header, model);
    auto store = std::make_unique<CCodeplugData>();
    store->loadDefaults(model);
    store->pack();
    return store->image();
}

std::string codeplugJsonText(const ordered_json& json) { return json.dump(2) + "\n"; }
