// The verbs that run the document procedures: new, validate, repack, diff.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/CodeplugDiff.h"
#include "cli/QavTool.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"
#include "TestSupport.h"

namespace {

struct QavResult {
    int status;
    std::string out;
    std::string err;
};

class DocumentVerbs : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = ::testing::TempDir() + "qavdocXXXXXX";
        ASSERT_NE(testsupport::makeTempDir(tmpl.data()), nullptr);
        dir_ = tmpl + "/";
        std::filesystem::copy_file(QAV_DATA_DIR "/QAV_E.lng", dir_ + "/QAV_E.lng");
        std::ofstream(dir_ + "Settings.ini") << "[Setting]\nLanguage=0\nModelID=QAV410\nModelName=QA-410\nFreqRange=400-470\n";
        std::ofstream(dir_ + "Model.dat") << "[Setting]\nModelID=QAV410\nQAV410=QA-410\n[QAV410]\nNumber=1\n"
                                             "Freq0=400,470,400,470,2\n";
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    QavResult qav(std::vector<std::string> args) const
    {
        std::ostringstream out, err;
        const int status = runQav(args, out, err, dir_);
        return {status, out.str(), err.str()};
    }
    std::string path(const std::string& name) const { return dir_ + name; }

    // Rewrites the image of a codeplug file through the store.
    void edit(const std::string& file, const std::function<void(CCodeplugData&)>& change) const
    {
        CCodeplugData s;
        std::size_t count = 0;
        CodeplugHeader h{};
        ASSERT_TRUE(CCodeplugFile::readHeader(file, h));
        ASSERT_TRUE(CCodeplugFile::readImage(file, s.image(), count));
        s.unpack();
        change(s);
        s.pack();
        CCodeplugFile f;
        ASSERT_TRUE(f.setHeader(h));
        ASSERT_TRUE(f.write(file, "", s.image()));
    }

    std::string dir_;
};

}  // namespace

TEST_F(DocumentVerbs, NewMakesAValidCodeplugOfTheCurrentModel)
{
    const QavResult r = qav({"new", "-o", path("n.qav")});
    ASSERT_EQ(r.status, 0) << r.err;
    CodeplugHeader h{};
    ASSERT_TRUE(CCodeplugFile::readHeader(path("n.qav"), h));
    const CodeplugHeaderFields f = readHeaderFields(h);
    EXPECT_EQ(f.modelId, "QAV410");
    EXPECT_EQ(f.freqRange(), "400-470");
    EXPECT_EQ(f.bandFlags, 2);
    EXPECT_EQ(f.firmware, "1.04.07");
    const QavResult v = qav({"validate", path("n.qav")});
    EXPECT_EQ(v.status, 0) << v.err;
}

TEST_F(DocumentVerbs, ValidateListsEachInvalidValueAndFails)
{
    ASSERT_EQ(qav({"new", "-o", path("bad.qav")}).status, 0);
    edit(path("bad.qav"), [](CCodeplugData& s) {
        s.channels[4].record.setU8(ChannelField::Personality, 3);  // no fourth personality
        s.scanLists[0].record.setU16(ScanField::member(2), 30);     // past the channel list
    });
    const QavResult r = qav({"validate", path("bad.qav")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Personality List\tChannel - 5: Miscellaneous"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Channel 3\tScan - 1: Channel List"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("2 invalid values"), std::string::npos) << r.err;
}

TEST_F(DocumentVerbs, RepackRunsOpenAndSaveAs)
{
    ASSERT_EQ(qav({"new", "--factory", "-o", path("f.qav")}).status, 0);
    ASSERT_EQ(qav({"repack", path("f.qav"), "-o", path("g.qav")}).status, 0);
    ASSERT_EQ(qav({"repack", path("g.qav"), "-o", path("h.qav")}).status, 0);
    const QavResult d = qav({"diff", path("g.qav"), path("h.qav")});
    ASSERT_EQ(d.status, 0) << d.err;
    EXPECT_EQ(d.out, "no differences\n");
    const QavResult fg = qav({"diff", path("f.qav"), path("g.qav")});
    ASSERT_EQ(fg.status, 0) << fg.err;
    // Only the two-tone call links of the call that the empty list came back as.
    EXPECT_NE(fg.out.find("$E.0xE8D:FF->8D"), std::string::npos) << fg.out;
    EXPECT_EQ(fg.out.find("$E.0x"), fg.out.find("$E.0xE8D"));
    EXPECT_NE(fg.out.find("two_tone_call"), std::string::npos);

    // A model the program does not accept is refused by Open.
    edit(path("f.qav"), [](CCodeplugData&) {});
    CodeplugHeader h{};
    ASSERT_TRUE(CCodeplugFile::readHeader(path("f.qav"), h));
    h[HeaderField::kModelId] = 'X';
    CCodeplugData s;
    std::size_t count = 0;
    ASSERT_TRUE(CCodeplugFile::readImage(path("f.qav"), s.image(), count));
    CCodeplugFile f;
    ASSERT_TRUE(f.setHeader(h));
    ASSERT_TRUE(f.write(path("x.qav"), "", s.image()));
    const QavResult r = qav({"repack", path("x.qav"), "-o", path("y.qav")});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::ifstream(path("y.qav")).good());
}

TEST_F(DocumentVerbs, DiffNamesFieldsWithTheirOptionTexts)
{
    ASSERT_EQ(qav({"new", "-o", path("a.qav")}).status, 0);
    ASSERT_EQ(qav({"new", "-o", path("b.qav")}).status, 0);
    edit(path("b.qav"), [](CCodeplugData& s) { s.channels[1].record.setBits(ChannelField::SpacingPower, 4, 4, 1); });
    const QavResult r = qav({"diff", path("a.qav"), path("b.qav")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("channel[2].power: 2"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("$E.0x2AE:22->12"), std::string::npos) << r.out;
    EXPECT_EQ(qav({"diff", path("a.qav"), path("missing.qav")}).status, 1);
}

TEST(ImageChangeLine, FormatOfTheChangeLog)
{
    EXPECT_EQ(imageChangeLine(0x1A0, 0xFF, 0x05), "$E.0x1A0:FF->05");
    EXPECT_EQ(imageChangeLine(0, 0, 0xAB), "$E.0x0:00->AB");
}

TEST_F(DocumentVerbs, DumpJsonNamesOptionValues)
{
    ASSERT_EQ(qav({"new", "-o", path("o.qav")}).status, 0);
    const QavResult r = qav({"dump", path("o.qav"), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto dump = nlohmann::json::parse(r.out);
    for (const auto& s : dump["sections"]) {
        if (s["section"] != "channel") continue;
        const auto& ch = s["records"][0];
        EXPECT_EQ(ch["fields"]["power"], 2);
        EXPECT_TRUE(ch["options"]["power"].is_string());
        EXPECT_FALSE(ch["options"]["power"].get<std::string>().empty());
        return;
    }
    FAIL() << "no channel section";
}

// Header texts come from untrusted files: a model name that is not UTF-8
// is still diffed (the bytes shown replaced) instead of failing the verb.
TEST_F(DocumentVerbs, DiffOfHeaderTextsThatAreNotUtf8)
{
    ASSERT_EQ(qav({"new", "-o", path("a.qav")}).status, 0);
    CodeplugHeader h{};
    ASSERT_TRUE(CCodeplugFile::readHeader(path("a.qav"), h));
    h[HeaderField::kModelName] = 0xFF;
    h[HeaderField::kModelName + 1] = 0xC3;
    CCodeplugData s;
    std::size_t count = 0;
    ASSERT_TRUE(CCodeplugFile::readImage(path("a.qav"), s.image(), count));
    CCodeplugFile f;
    ASSERT_TRUE(f.setHeader(h));
    ASSERT_TRUE(f.write(path("b.qav"), "", s.image()));
    const QavResult r = qav({"diff", path("a.qav"), path("b.qav")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("header.model_name"), std::string::npos) << r.out;
}

TEST_F(DocumentVerbs, JsonExportAndImportRoundTripAndRefuseBadInput)
{
    auto bytes = [](const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    ASSERT_EQ(qav({"new", "--factory", "-o", path("f.qav")}).status, 0);
    ASSERT_EQ(qav({"export-json", path("f.qav"), "-o", path("f.json")}).status, 0);
    const QavResult back = qav({"import-json", path("f.json"), "-o", path("g.qav")});
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(back.err, "");  // nothing taken from the defaults
    EXPECT_EQ(bytes(path("f.qav")), bytes(path("g.qav")));

    struct Case {
        const char* name;
        std::string text;
        const char* said;
    };
    std::string wrong = bytes(path("f.json"));
    wrong.replace(wrong.find("\"version\": 1"), 12, "\"version\": \"one\"");
    const Case cases[] = {
        {"not JSON", "{\"format\": ", "not JSON"},
        {"a bad value", wrong, "version: must be 1"},
        {"missing file", "", "cannot be read"},
    };
    for (const Case& c : cases) {
        const std::string in = path(std::string(c.name) + ".json");
        if (!c.text.empty()) std::ofstream(in) << c.text;
        const QavResult r = qav({"import-json", in, "-o", path("out.qav")});
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << c.name << ": " << r.err;
        EXPECT_FALSE(std::ifstream(path("out.qav")).good()) << c.name;
    }
}

TEST_F(DocumentVerbs, CsvChannelsOutAndIn)
{
    ASSERT_EQ(qav({"new", "--factory", "-o", path("f.qav")}).status, 0);
    ASSERT_EQ(qav({"export-csv", path("f.qav"), "-o", path("c.csv")}).status, 0);
    std::ofstream(path("two.csv")) << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                      "DtcsPolarity,Mode,TStep,Skip,Comment\n"
                                      "1,A,446.006250,,0,,88.5,88.5,023,NN,NFM,6.25,,\n"
                                      "2,,445.000000,,0,Tone,88.5,88.5,023,NN,FM,5.00,,\n";
    const QavResult in = qav({"import-csv", path("f.qav"), path("two.csv"), "-o", path("g.qav")});
    ASSERT_EQ(in.status, 0) << in.err;
    EXPECT_NE(in.err.find("line 2, Name"), std::string::npos) << in.err;  // the radio has no names
    const QavResult v = qav({"validate", path("g.qav")});
    EXPECT_EQ(v.status, 0) << v.out << v.err;

    std::ofstream(path("bad.csv")) << "Location,Frequency\n1,446.0\n1,447.0\n";
    const QavResult bad = qav({"import-csv", path("f.qav"), path("bad.csv"), "-o", path("h.qav")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("line 3, Location"), std::string::npos) << bad.err;
    EXPECT_FALSE(std::ifstream(path("h.qav")).good());
}
