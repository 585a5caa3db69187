// qav tune and qav factory: in process against the built-in simulated
// radio, and a round trip through `qav sim` on a pseudo-terminal, whose
// radio keeps what is written between runs.
#include "QavHomeTest.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

class TuneFactoryVerbsTest : public QavHomeTest {
protected:
    void SetUp() override
    {
        makeHome("qavtune");
        for (const char* name : {"QAV_E.lng", "volume.ini", "Model.dat"})
            std::filesystem::copy_file(std::string(QAV_DATA_DIR "/") + name, dir_ + name);
        // The simulated radio is a factory radio of this model.
        std::ofstream(dir_ + "Settings.ini")
            << "[Setting]\nModelID=QAV410\nModelName=QAV-410\nFreqRange=136-174\nLanguage=0\nComPort=1\n";
    }
    void writeFile(const std::string& name, const std::string& text) const
    {
        std::ofstream(path(name), std::ios::trunc) << text;
    }
    std::string readFile(const std::string& name) const
    {
        std::ifstream in(path(name));
        return {std::istreambuf_iterator<char>(in), {}};
    }

};

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST_F(TuneFactoryVerbsTest, TuneListGetAndSetOnTheSimulatedRadio)
{
    QavRun r = qav({"tune", "list", "--port", "sim"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 149);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "0x8002   0   446");  // the factory tune data
    r = qav({"tune", "list", "--port", "sim", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rows = nlohmann::json::parse(r.out);
    ASSERT_EQ(rows.size(), 149u);
    EXPECT_EQ(rows[0], (nlohmann::json{{"register", "0x8002"}, {"offset", 0}, {"value", 446}}));
    EXPECT_EQ(rows[148]["register"], "0x8484");
    EXPECT_EQ(rows[148]["offset"], 490);

    r = qav({"tune", "get", "0x8020", "--port", "sim"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "742\n");
    r = qav({"tune", "set", "8002", "1474", "--port", "sim"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "set 0x8002 to 1474")) << r.out;

    struct Bad {
        std::vector<std::string> args;
        const char* says;
    };
    for (const Bad& b : {Bad{{"get", "0x9999"}, "tuning register"}, Bad{{"get", "zz"}, "tuning register"},
                         Bad{{"set", "0x8020", "256"}, "0 to 255"}, Bad{{"set", "0x8002", "1475"}, "0 to 1474"},
                         Bad{{"set", "0x8020", "-1"}, "0 to 255"}}) {
        std::vector<std::string> args{"tune"};
        args.insert(args.end(), b.args.begin(), b.args.end());
        args.insert(args.end(), {"--port", "sim"});
        r = qav(args);
        EXPECT_EQ(r.status, 2) << b.args[1];
        EXPECT_TRUE(has(r.err, b.says)) << r.err;
    }
    r = qav({"tune", "get", "0x8002", "--port", path("no-such-port")});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
}

TEST_F(TuneFactoryVerbsTest, FactoryReadWritesTheFieldsByName)
{
    QavRun r = qav({"factory", "read", "--port", "sim", "-o", path("f.json")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto doc = nlohmann::json::parse(readFile("f.json"));
    EXPECT_EQ(doc["format"], "qav-factory");
    EXPECT_EQ(doc["firmware_version"], "1.04.07");
    EXPECT_EQ(doc["model_name"], "QAV-410");
    EXPECT_EQ(doc["range_low"], "136");
    EXPECT_EQ(doc["range_high"], "174");
    EXPECT_EQ(doc["pll_frequency"], "12.80000");
    EXPECT_EQ(doc["rx_middle_frequency"], "38.85000");
    EXPECT_TRUE(doc.contains("tune_switch_open"));

    r = qav({"factory", "write", "--port", "sim", path("f.json")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "wrote the Factory Mode settings")) << r.out;
}

TEST_F(TuneFactoryVerbsTest, FactoryWriteNamesEveryBadFieldBeforeTouchingTheRadio)
{
    writeFile("bad.json", R"({"model_name": "", "range_low": "5", "pll_frequency": "x", "colour": 1})");
    // No radio on this port: the file is refused before the radio is looked for.
    QavRun r = qav({"factory", "write", "--port", path("no-such-port"), path("bad.json")});
    EXPECT_EQ(r.status, 1);
    for (const char* e : {"model_name: must not be empty", "range_low: outside 100-999", "pll_frequency: not a number",
                          "colour: not a Factory Mode field"})
        EXPECT_TRUE(has(r.err, e)) << e << "\n" << r.err;
    EXPECT_FALSE(has(r.err, "No radio answers")) << r.err;

    writeFile("nojson.json", "{model_name");
    r = qav({"factory", "write", "--port", "sim", path("nojson.json")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "not JSON")) << r.err;
    r = qav({"factory", "write", "--port", "sim", path("missing.json")});
    EXPECT_EQ(r.status, 1);
    r = qav({"factory"});
    EXPECT_EQ(r.status, 2) << "a subcommand is required";
}

TEST_F(TuneFactoryVerbsTest, RoundTripsThroughTheSimulatorOnAPseudoTerminal)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs a pseudo-terminal and fork()";
#else
    std::string device;
    const pid_t child = startSim({"--home", dir_, "sim", "--fault", "refuse-register:0x8302"}, device);
    ASSERT_GT(child, 0);
    ASSERT_FALSE(device.empty());

    QavRun r = qav({"tune", "set", "0x8303", "77", "--port", device});
    EXPECT_EQ(r.status, 0) << r.err;
    r = qav({"tune", "get", "0x8303", "--port", device});
    EXPECT_EQ(r.out, "77\n") << r.err;
    r = qav({"tune", "set", "0x8302", "77", "--port", device});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(has(r.err, "Writing the tuning value to the radio failed")) << r.err;

    writeFile("f.json", R"({"serial_number": "SN-9", "option_2": true, "tune_switch_open": false})");
    r = qav({"factory", "write", "--port", device, path("f.json")});
    EXPECT_EQ(r.status, 0) << r.err;
    r = qav({"factory", "read", "--port", device});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["serial_number"], "SN-9");
    EXPECT_EQ(doc["option_2"], true);
    EXPECT_EQ(doc["tune_switch_open"], false);

    stopSim(child);
#endif
}
