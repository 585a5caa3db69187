#include "views/DataWatchTable.h"

#include <array>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using namespace DataWatchTable;

// "line_%_X": byte X of line %; the heading "_X" is its column's.
constexpr const char* kNames[kLineBytes] = {"line_%_0", "line_%_1", "line_%_2", "line_%_3", "line_%_4", "line_%_5",
                                            "line_%_6", "line_%_7", "line_%_8", "line_%_9", "line_%_A", "line_%_B",
                                            "line_%_C", "line_%_D", "line_%_E", "line_%_F"};
constexpr const char* kHeadings[kLineBytes] = {"_0", "_1", "_2", "_3", "_4", "_5", "_6", "_7",
                                               "_8", "_9", "_A", "_B", "_C", "_D", "_E", "_F"};
constexpr const char* kColumnFields[kLineBytes] = {
    "line_%d_0", "line_%d_1", "line_%d_2", "line_%d_3", "line_%d_4", "line_%d_5", "line_%d_6", "line_%d_7",
    "line_%d_8", "line_%d_9", "line_%d_A", "line_%d_B", "line_%d_C", "line_%d_D", "line_%d_E", "line_%d_F"};

// One line of sixteen single bytes (shown as hexadecimal pairs), repeated
// over the image.
constexpr auto kLineSchema = [] {
    std::array<FieldDesc, kLineBytes> line{};
    for (int k = 0; k < kLineBytes; ++k) {
        line[k] = fBytes(kNames[k], static_cast<Offset>(k), 1);
        line[k] = k == 0 ? line[k].rows(kLines, kLineBytes, 0) : line[k].inRow();
    }
    return line;
}();

constexpr auto kColumns = [] {
    std::array<TableColumn, kLineBytes> columns{};
    for (int k = 0; k < kLineBytes; ++k)
        columns[k] = {0, kHeadings[k], kColumnFields[k], CellKind::Inert, 0, nullptr, kByteWidth};
    return columns;
}();

const FieldDesc* imageField(std::string_view name)
{
    static const std::vector<FieldDesc> fields = expandFields(kLineSchema);
    static const std::unordered_map<std::string_view, const FieldDesc*> byName = [] {
        std::unordered_map<std::string_view, const FieldDesc*> map;
        for (const FieldDesc& f : fields) map.emplace(f.name, &f);
        return map;
    }();
    const auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
}

// "F:000_" .. "F:1FF_": the line's image offset divided by 16.
std::string lineHeading(int row)
{
    char text[16];
    std::snprintf(text, sizeof text, "F:%.3X_", static_cast<unsigned>(row));
    return text;
}

}  // namespace

namespace DataWatchTable {

// The section is not used: the fields are the image's own.
TableConfig config() { return {Section::RadioInfo, kColumns, kLines, imageField, lineHeading}; }

}  // namespace DataWatchTable
