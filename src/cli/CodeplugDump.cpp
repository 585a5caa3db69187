#include "cli/CodeplugDump.h"

#include <algorithm>
#include <iomanip>

#include "cli/TextOut.h"
#include "model/CCodeplugData.h"

namespace {

bool isNumeric(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Bits:
    case FieldKind::U8:
    case FieldKind::U16:
    case FieldKind::U16BE:
    case FieldKind::U32:
    case FieldKind::ToneWord: return true;
    default: return false;
    }
}

nlohmann::ordered_json fieldJson(const Record& r, const FieldDesc& f)
{
    if (isNumeric(f.kind)) return fieldValue(r, f);
    return fieldText(r, f);
}

}  // namespace

void printDump(std::ostream& out, const CCodeplugData& store)
{
    for (const SectionRecords& sec : storeSections(store)) {
        const auto fields = sec.info->fields();
        std::size_t width = 0;
        for (const FieldDesc& f : fields) width = std::max(width, std::string_view(f.name).size());
        for (std::size_t i = 0; i < sec.records.size(); ++i) {
            const Record& r = *sec.records[i];
            out << '[' << sec.info->name;
            if (sec.records.size() > 1 || sec.info->section == Section::Channels) out << ' ' << i + 1;
            out << "] " << r.size() << " bytes\n";
            for (std::size_t off = 0; off < r.size(); off += 16)
                out << "  " << std::setw(4) << off << ": " << hexBytes(r.bytes(off, std::min<std::size_t>(16, r.size() - off)))
                    << '\n';
            for (const FieldDesc& f : fields)
                out << "  " << std::left << std::setw(static_cast<int>(width)) << f.name << std::right << " = "
                    << printable(fieldText(r, f)) << '\n';
        }
    }
}

nlohmann::ordered_json codeplugJson(const CCodeplugData& store,
                                    const std::function<std::string(int listId, int value)>& option)
{
    nlohmann::ordered_json sections = nlohmann::ordered_json::array();
    for (const SectionRecords& sec : storeSections(store)) {
        nlohmann::ordered_json records = nlohmann::ordered_json::array();
        for (std::size_t i = 0; i < sec.records.size(); ++i) {
            const Record& r = *sec.records[i];
            nlohmann::ordered_json fields = nlohmann::ordered_json::object();
            nlohmann::ordered_json options = nlohmann::ordered_json::object();
            for (const FieldDesc& f : sec.info->fields()) {
                fields[f.name] = fieldJson(r, f);
                if (f.listId == 0 || !option || !isNumeric(f.kind)) continue;
                const std::string text = option(f.listId, static_cast<int>(fieldValue(r, f)));
                if (!text.empty()) options[f.name] = text;
            }
            nlohmann::ordered_json rec{{"index", i}, {"raw", hexBytes(r.span())}, {"fields", std::move(fields)}};
            if (option) rec["options"] = std::move(options);
            records.push_back(std::move(rec));
        }
        sections.push_back({{"section", sec.info->name}, {"records", std::move(records)}});
    }
    return nlohmann::ordered_json{{"sections", std::move(sections)}};
}

nlohmann::ordered_json headerJson(const CodeplugHeader& header)
{
    const CodeplugHeaderFields f = readHeaderFields(header);
    return {{"model_id", f.modelId},   {"model_name", f.modelName},
            {"freq_range", f.freqRange()}, {"low_mhz", f.lowMHz},
            {"high_mhz", f.highMHz},   {"firmware", f.firmware},
            {"format_version", f.formatVersion}, {"band_flags", f.bandFlags},
            {"signal", f.signal}};
}
