#include "app/CodeplugJson.h"
#include "model/CCodeplugData.h"
#include "model/ChannelRecord.h"
#include "model/StoreSections.h"
#include "settings/LanguageFile.h"
#include "settings/ModelValues.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

using nlohmann::json;

class CodeplugJsonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(english_.load(QAV_DATA_DIR "/QAV_E.lng"));
        names_ = {[this](int l, int v) { return english_.textForValue(l, v); },
                  [this](int l, std::string_view t) { return english_.valueForText(l, t); }};
    }

    static CodeplugContent factory()
    {
        ModelValues model;
        model.modelId = "QAV410";
        model.modelName = "QA-410";
        model.freqRange = "400-470";
        CodeplugContent c;
        c.header = makeCodeplugHeader(model, "1.04.07");
        c.image = defaultImageFor(c.header);
        return c;
    }
    JsonImport roundTrip(const CodeplugContent& c) const
    {
        const std::string text = codeplugJsonText(codeplugToJson(c, names_));
        return codeplugFromJson(json::parse(text), names_, defaultImageFor);
    }
    json exported(const CodeplugContent& c) const { return json::parse(codeplugJsonText(codeplugToJson(c, names_))); }
    JsonImport import(const json& j) const { return codeplugFromJson(j, names_, defaultImageFor); }

    LanguageFile english_;
    OptionNames names_;
};

bool mentions(const std::vector<std::string>& lines, const std::string& text)
{
    for (const std::string& l : lines)
        if (l.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST_F(CodeplugJsonTest, ExportThenImportGivesBackEveryByte)
{
    std::mt19937 rng(7);
    auto randomBytes = [&rng](auto& bytes) {
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
    };
    struct Case {
        const char* name;
        std::function<void(CodeplugContent&)> make;
    };
    const Case cases[] = {
        {"factory", [](CodeplugContent&) {}},
        {"all zero", [](CodeplugContent& c) { c.image.fill(0x00); }},
        {"all ones", [](CodeplugContent& c) { c.image.fill(0xFF); }},
        {"random image", [&](CodeplugContent& c) { randomBytes(c.image); }},
        {"factory with bytes changed here and there",
         [&](CodeplugContent& c) {
             for (int k = 0; k < 300; ++k) c.image[rng() % c.image.size()] = static_cast<std::uint8_t>(rng());
         }},
        {"odd header and information",
         [&](CodeplugContent& c) {
             c.header[9] = 0x42;   // reserved bytes
             c.header[100] = 0x01;
             c.header[HeaderField::kModelName + 3] = 0x07;  // a control character in a text
             c.info = std::string("line one\nline two \xC3\xA9\xFF", 21);  // not UTF-8 at the end
         }},
        {"two-tone calls linked out of order",
         [&](CodeplugContent& c) {
             // Call 0 at 3725 -> slot 3 (3761) -> slot 1 (3737) -> the start: three calls.
             auto link = [&](std::size_t at, std::size_t next) {
                 c.image[at + 2] = static_cast<std::uint8_t>(next);
                 c.image[at + 3] = static_cast<std::uint8_t>(next >> 8);
             };
             link(3725, 3761);
             link(3761, 3737);
             link(3737, 3725);
         }},
    };
    for (const Case& c : cases) {
        CodeplugContent content = factory();
        c.make(content);
        const JsonImport back = roundTrip(content);
        ASSERT_TRUE(back.ok) << c.name << ": " << (back.errors.empty() ? "" : back.errors.front());
        // An image whose PTT-ID section is out of step with the first
        // personality says so; nothing else may be reported.
        for (const std::string& w : back.warnings) EXPECT_EQ(w.rfind("sections.ptt_id:", 0), 0u) << c.name << ": " << w;
        EXPECT_EQ(back.content.header, content.header) << c.name;
        EXPECT_EQ(back.content.info, content.info) << c.name;
        for (std::size_t i = 0; i < content.image.size(); ++i)
            ASSERT_EQ(back.content.image[i], content.image[i]) << c.name << " at image byte " << i;
    }
}

TEST_F(CodeplugJsonTest, RecordsAreTheOnesTheProgramReads)
{
    // The export must name the records the editors show: the same count and
    // bytes as unpacking the image gives, also for a damaged image.
    std::mt19937 rng(11);
    for (int round = 0; round < 20; ++round) {
        CodeplugContent c = factory();
        for (int k = 0; k < 200 * round; ++k) c.image[rng() % c.image.size()] = static_cast<std::uint8_t>(rng());
        auto store = std::make_unique<CCodeplugData>();
        store->image() = c.image;
        store->unpack();
        for (const SectionRecords& sec : storeSections(*store)) {
            const auto offsets = recordOffsets(sec.info->section, c.image);
            ASSERT_EQ(offsets.size(), sec.records.size()) << sec.info->name << " round " << round;
            for (std::size_t i = 0; i < offsets.size(); ++i)
                EXPECT_EQ(takeRecord(sec.info->section, offsets[i], c.image), *sec.records[i])
                    << sec.info->name << " " << i << " round " << round;
        }
    }
}

TEST_F(CodeplugJsonTest, ValuesReadAsTheEditorsShowThem)
{
    const json j = exported(factory());
    const json& ch = j["sections"]["channels"][0];
    EXPECT_EQ(j["header"]["model_id"], "QAV410");
    EXPECT_TRUE(ch["rx_frequency"].is_string());
    EXPECT_NE(ch["rx_frequency"].get<std::string>().find('.'), std::string::npos);
    EXPECT_TRUE(ch["spacing"].is_string()) << ch["spacing"];  // an option text, not a number
}

TEST_F(CodeplugJsonTest, AnEditShowsAsThatFieldAloneAndImports)
{
    const CodeplugContent before = factory();
    json edited = exported(before);
    edited["sections"]["channels"][1]["rx_frequency"] = "433.50000";
    const JsonImport imported = import(edited);
    ASSERT_TRUE(imported.ok) << imported.errors.front();

    const json again = exported(imported.content);
    const json patch = json::diff(exported(before), again);
    ASSERT_EQ(patch.size(), 1u) << patch.dump();
    EXPECT_EQ(patch[0]["path"], "/sections/channels/1/rx_frequency");
    EXPECT_EQ(patch[0]["value"], "433.50000");
}

TEST_F(CodeplugJsonTest, APttIdSectionOutOfStepWithTheFirstPersonalityIsReported)
{
    struct Case {
        const char* name;
        bool section, personality;  // which of the two gets the new primary ID
        bool warned;
    };
    const Case cases[] = {
        {"neither", false, false, false},
        {"only the section", true, false, true},
        {"only the personality", false, true, true},
        {"both alike", true, true, false},
    };
    for (const Case& c : cases) {
        json edited = exported(factory());
        if (c.section) edited["sections"]["ptt_id"]["primary_id"] = 4321;
        if (c.personality) edited["sections"]["personalities"][0]["ptt_id_primary"] = 4321;
        const JsonImport imported = import(edited);
        ASSERT_TRUE(imported.ok) << c.name << ": " << imported.errors.front();
        EXPECT_EQ(mentions(imported.warnings, "sections.ptt_id: differs"), c.warned) << c.name;
    }
}

TEST_F(CodeplugJsonTest, BadValuesAreRefusedByTheirPath)
{
    struct Case {
        const char* name;
        const char* pointer;  // JSON pointer of the value to replace ("" adds `key` to the sections)
        json value;
        const char* reported;
    };
    const Case cases[] = {
        {"wrong type", "/sections/channels/0/rx_frequency", true, "sections.channels[0].rx_frequency"},
        {"not a frequency", "/sections/channels/0/rx_frequency", "4x0", "sections.channels[0].rx_frequency"},
        {"unknown option", "/sections/channels/0/spacing", "7 kHz", "sections.channels[0].spacing"},
        {"number too large", "/sections/keys/byte_0", 256, "sections.keys.byte_0"},
        {"negative", "/sections/keys/byte_0", -1, "sections.keys.byte_0"},
        {"text too long", "/sections/password/write_password", "123456789", "sections.password.write_password"},
        {"bad tone", "/sections/channels/0/rx_tone", "D999N", "sections.channels[0].rx_tone"},
        {"unknown field", "/sections/keys/colour", "red", "sections.keys.colour: unknown key"},
        {"unknown section", "/sections/widgets", json::array(), "sections.widgets: unknown key"},
        {"unknown top-level key", "/extra", 1, "$.extra: unknown key"},
        {"not a list", "/sections/channels", json::object(), "sections.channels"},
        {"too many records", "/sections/channels", json::array(), "sections.channels: holds 20"},
        {"hex of the wrong length", "/sections/keys/bytes_6_17", "00", "sections.keys.bytes_6_17"},
        {"header without its model", "/header/model_id", nullptr, "header.model_id"},
    };
    const json good = exported(factory());
    for (const Case& c : cases) {
        json j = good;
        if (std::string(c.name) == "too many records") {
            for (int i = 0; i < 20; ++i) j["sections"]["channels"].push_back(good["sections"]["channels"][0]);
            j["sections"]["channels"].erase(0);
            while (j["sections"]["channels"].size() > 20) j["sections"]["channels"].erase(0);
        } else if (c.value.is_null()) {
            j["header"].erase("model_id");
        } else {
            j[json::json_pointer(c.pointer)] = c.value;
        }
        const JsonImport r = import(j);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_TRUE(mentions(r.errors, c.reported)) << c.name << ": " << (r.errors.empty() ? "-" : r.errors.front());
    }
}

TEST_F(CodeplugJsonTest, MissingPartsComeFromTheDefaultsAndAreReported)
{
    CodeplugContent c = factory();
    c.image[700] ^= 0x10;  // a channel value that differs from the defaults
    json j = exported(c);
    j["sections"].erase("keys");
    j["sections"]["channels"][0].erase("name");
    j.erase("unnamed_bits");
    const JsonImport r = import(j);
    ASSERT_TRUE(r.ok) << r.errors.front();
    EXPECT_TRUE(mentions(r.warnings, "sections.keys: missing, taken from the defaults"));
    EXPECT_TRUE(mentions(r.warnings, "unnamed_bits: missing"));
    EXPECT_EQ(r.content.image[700], c.image[700]);  // what the JSON gives still counts
}

TEST_F(CodeplugJsonTest, AShorterChannelListEndsWhereTheJsonEnds)
{
    json j = exported(factory());
    const std::size_t count = j["sections"]["channels"].size();
    ASSERT_GT(count, 2u);
    j["sections"]["channels"].erase(count - 1);
    const JsonImport r = import(j);
    ASSERT_TRUE(r.ok);
    auto store = std::make_unique<CCodeplugData>();
    store->image() = r.content.image;
    store->unpack();
    EXPECT_EQ(store->channels.size(), count - 1);
}
