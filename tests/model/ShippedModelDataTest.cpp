// The shipped model database, first-start settings and default codeplugs:
// they load with the program's readers, agree with each other, and every
// value a default record stores has a text in both language files, so a
// fresh codeplug never shows an empty choice.
#include "model/CCodeplugData.h"
#include "model/StoreSections.h"
#include "model/CodeplugFile.h"
#include "model/FieldTable.h"
#include "model/ModelFile.h"
#include "model/RangeList.h"
#include "model/SectionFields.h"
#include "settings/ModelValues.h"
#include "settings/ProfileFile.h"
#include "settings/ShippedFiles.h"
#include "ShippedTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <set>

namespace {

namespace fs = std::filesystem;

struct ShippedModel {
    std::string id;
    std::string name;  // the identifier's first model name
    FreqRangeEntry range;
};

std::vector<ShippedModel> shippedModels()
{
    std::vector<ShippedModel> out;
    const std::string path = shipped::dataPath("Model.dat");
    CModelFile file(path, "", "", "", 0);
    const auto names = file.modelNames();
    for (const std::string& id : file.identifiers()) {
        file.setIdentifier(id);
        std::string first;
        for (const auto& [owner, name] : names)
            if (owner == id && first.empty()) first = name;
        for (int i = 0; i < file.rangeCount(); ++i) {
            FreqRangeEntry e;
            if (file.readEntry(i, e)) out.push_back({id, first, e});
        }
    }
    return out;
}

ModelValues valuesOf(const ShippedModel& m)
{
    ModelValues v;
    v.modelId = m.id;
    v.modelName = m.name;
    v.freqRange = rangeText(m.range);
    v.signal = 0;
    v.bandFlags = m.range.flags;
    return v;
}

TEST(ShippedModelData, ModelDatListsValidRangesForEveryIdentifier)
{
    CModelFile file(shipped::dataPath("Model.dat"), "", "", "", 0);
    const auto ids = file.identifiers();
    ASSERT_GE(ids.size(), 2u);
    for (const std::string& id : ids) {
        file.setIdentifier(id);
        ASSERT_GE(file.rangeCount(), 1) << id;
        EXPECT_FALSE(file.modelNames().empty());
        std::set<int> rangeIds;
        for (int i = 0; i < file.rangeCount(); ++i) {
            FreqRangeEntry e;
            ASSERT_TRUE(file.readEntry(i, e)) << id << " Freq" << i;
            EXPECT_TRUE(e.low > 0 && e.low < e.high && e.high < 1000) << id << " Freq" << i;
            EXPECT_EQ(e.low2, e.low) << id << " Freq" << i;
            EXPECT_EQ(e.high2, e.high) << id << " Freq" << i;
            // Bit 7 marks the VHF family (it picks the VHF volume values).
            EXPECT_EQ((e.flags & 0x80) != 0, e.high <= 300) << id << " Freq" << i;
            EXPECT_TRUE(rangeIds.insert(e.flags & 0x7F).second) << id << ": range ID used twice";
        }
        RangeList list;
        list.load(shipped::dataPath("Model.dat"), id);
        EXPECT_EQ(list.count(), file.rangeCount()) << id;
    }
    for (const auto& [id, name] : file.modelNames()) {
        EXPECT_EQ(file.findIdentifier(name), id) << name << " is listed under two identifiers";
        EXPECT_LE(name.size(), 12u) << name << " does not fit the radio's model name";
    }
}

TEST(ShippedModelData, FirstStartSettingsNameAShippedModelInEnglish)
{
    ProfileFile settings;
    ASSERT_TRUE(settings.load(shipped::dataPath("Settings.ini")));
    const std::string id = settings.getString("Setting", "ModelID", "", ProfileBuffer::kShort);
    const std::string name = settings.getString("Setting", "ModelName", "", ProfileBuffer::kShort);
    const std::string range = settings.getString("Setting", "FreqRange", "", ProfileBuffer::kShort);
    EXPECT_EQ(settings.getInt("Setting", "Language", -1), 0);
    EXPECT_EQ(settings.getInt("Setting", "ComPort", 0), 1);
    EXPECT_EQ(settings.getInt("User Mode", "Level", -1), 0);

    CModelFile file(shipped::dataPath("Model.dat"), id, name, range, 0);
    EXPECT_EQ(file.findIdentifier(name), id);
    RangeList list;
    list.load(shipped::dataPath("Model.dat"), id);
    ModelValues v;
    v.freqRange = range;
    EXPECT_TRUE(list.contains(v.lowMHz(), v.highMHz())) << range;

    // The first model must be one whose radios the program accepts.
    EXPECT_TRUE(shippedAcceptsRadio("QAV_E.lng", id)) << id;
}

TEST(ShippedModelData, VolumeFileHoldsAllFourVolumes)
{
    ProfileFile volume;
    ASSERT_TRUE(volume.load(shipped::dataPath("volume.ini")));
    for (const char* key : {"vwide", "vnarrow", "uwide", "unarrow"}) {
        const int v = volume.getInt("Setting", key, -1);
        EXPECT_TRUE(v >= 0 && v <= 255) << key << " = " << v;
    }
}

// Every record and field of a store, with its record kind's table.
template <class Visit>
void forEachField(const CCodeplugData& s, Visit visit)
{
    for (const SectionRecords& sec : storeSections(s))
        for (const Record* r : sec.records)
            for (const FieldDesc& f : sec.info->fields()) visit(sec.info->name, *r, f);
}

TEST(ShippedModelData, EveryDefaultValueHasATextInItsList)
{
    const char* const languages[] = {"QAV_E.lng", "QAV_S.lng"};

    const auto models = shippedModels();
    ASSERT_GE(models.size(), 4u);
    for (const ShippedModel& m : models) {
        auto store = std::make_unique<CCodeplugData>();
        store->loadDefaults(valuesOf(m));
        int checked = 0;
        forEachField(*store, [&](const char* kind, const Record& r, const FieldDesc& f) {
            if (f.listId == 0) return;
            ++checked;
            long long value = static_cast<long long>(fieldValue(r, f));
            if (f.kind == FieldKind::ToneWord) value >>= 14;  // the list names the tone type bits
            for (const char* file : languages)
                EXPECT_FALSE(shippedListText(file, f.listId, static_cast<int>(value)).empty())
                    << file << ": " << kind << "." << f.name << " = " << value << " (list " << f.listId << ")";
        });
        EXPECT_GT(checked, 40) << m.id;
    }

    // Stored defaults that the field tables do not tie to a list.
    const std::pair<int, int> kDefaults[] = {
        {4813, 16},                                    // open channel number
        {4850, 0}, {4850, 1},                          // U/V band flag of UHF and VHF ranges
        {5503, 1}, {5504, 1}, {5505, 1}, {5506, 1},    // two-tone decode alert tone numbers
        {3703, 0},                                     // channel personality position
        {3708, 0}, {3708, 1},                          // auto start scan (set on channel 16)
    };
    for (const char* file : languages)
        for (auto [list, value] : kDefaults)
            EXPECT_FALSE(shippedListText(file, list, value).empty()) << file << ": list " << list << " value " << value;
}

// The build makes one default codeplug per model and range (data/CMakeLists.txt)
// once the command-line tool is built.
TEST(ShippedModelData, EveryRangeHasItsDefaultCodeplug)
{
    const fs::path bin = QAV_BIN_DIR;
#ifdef _WIN32
    const char* tool = "qav.exe";
#else
    const char* tool = "qav";
#endif
    if (!fs::exists(bin / tool)) GTEST_SKIP() << "the command-line tool is not built";
    for (const ShippedModel& m : shippedModels()) {
        const std::string path = (bin / (m.id + rangeText(m.range) + "DefaultSet.dat")).string();
        CodeplugHeader header{};
        ASSERT_TRUE(CCodeplugFile::readHeader(path, header)) << path;
        const CodeplugHeaderFields h = readHeaderFields(header);
        EXPECT_EQ(h.modelId, m.id) << path;
        EXPECT_EQ(h.modelName, m.name) << path;
        EXPECT_EQ(h.freqRange(), rangeText(m.range)) << path;
        EXPECT_EQ(h.bandFlags, m.range.flags)
            << path << ": `qav new --factory` must take the range's band flags from Model.dat";

        // New uses only the image: it must carry the range's band flags.
        std::array<std::uint8_t, CodeplugFormat::kImageSize> image{};
        std::size_t count = 0;
        ASSERT_TRUE(CCodeplugFile::readImage(path, image, count)) << path;
        EXPECT_EQ(count, image.size()) << path;
        auto store = std::make_unique<CCodeplugData>();
        std::copy(image.begin(), image.end(), store->image().begin());
        store->unpack();
        EXPECT_EQ(store->radioInfo.u8(12), m.range.flags) << path << ": radio information band flags";
        EXPECT_EQ(store->channels.size(), 16u) << path;
    }
}

}  // namespace
