#include "model/FieldTable.h"
#include "model/SectionFields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

// Every table must describe its record completely: each bit of the record
// belongs to exactly one field, names are unique, nothing lies outside.
TEST(FieldTables, EveryRecordIsCoveredOnceAndNamesAreUnique)
{
    for (const SectionInfo& kind : sectionInfos()) {
        std::vector<std::uint8_t> claimed(kind.size, 0);
        std::set<std::string> names;
        for (const FieldDesc& f : kind.fields()) {
            EXPECT_TRUE(names.insert(f.name).second) << kind.name << "." << f.name;
            ASSERT_LE(f.offset + fieldWidth(f), kind.size) << kind.name << "." << f.name;
            if (f.kind == FieldKind::Bits) {
                ASSERT_GT(f.bitCount, 0u);
                ASSERT_LE(f.bitLo + f.bitCount, 8u) << kind.name << "." << f.name;
                const unsigned mask = ((1u << f.bitCount) - 1u) << f.bitLo;
                EXPECT_EQ(claimed[f.offset] & mask, 0u) << kind.name << "." << f.name;
                claimed[f.offset] = static_cast<std::uint8_t>(claimed[f.offset] | mask);
            } else {
                for (std::size_t i = 0; i < fieldWidth(f); ++i) {
                    EXPECT_EQ(claimed[f.offset + i], 0u) << kind.name << "." << f.name;
                    claimed[f.offset + i] = 0xFF;
                }
            }
        }
        if (kind.section == Section::TuneData) continue;  // only the register words are named
        for (std::size_t i = 0; i < kind.size; ++i) EXPECT_EQ(claimed[i], 0xFF) << kind.name << " byte " << i;
    }
}

TEST(FieldTables, TextFormsOfTheFieldKinds)
{
    Record r(16, 0xFF);
    r.setU32(0, 0x40012500);
    r.setText(4, 4, "AB");
    r.setU16(8, 0x4526);
    const FieldDesc freq = fFreq("f", 0);
    const FieldDesc empty = fFreq("e", 12);
    const FieldDesc text = fText("t", 4, 4);
    const FieldDesc bits = fBits("b", 9, 6, 2);
    const FieldDesc raw = fBytes("r", 8, 2);
    EXPECT_EQ(fieldText(r, freq), "400.12500");
    EXPECT_EQ(fieldText(r, empty), "");
    EXPECT_EQ(fieldText(r, text), "AB");
    EXPECT_EQ(fieldText(r, bits), "1");
    EXPECT_EQ(fieldText(r, raw), "26 45");
    EXPECT_EQ(findSection("channel")->size, 24u);
    EXPECT_EQ(findSection("nothing"), nullptr);
}
