// The Factory Mode values as JSON: the round trip, fields left out, and
// every bad field named at once.
#include "app/FactoryFormJson.h"
#include "app/FactoryModeImage.h"

#include "model/CCodeplugData.h"
#include "settings/ModelValues.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

FactorySettingsForm sample()
{
    FactorySettingsForm f;
    f.modelName = "QAV-410";
    f.serialNumber = "SN 0042";
    f.bandFlag = 1;
    f.rangeId = "5";
    f.rangeLow = "136";
    f.rangeHigh = "174";
    f.signallingType = 2;
    f.openChannel = 16;
    f.pllFrequency = "12.80000";
    f.rxMiddleFrequency = "38.85000";
    f.rxMiddleAddSub = 1;
    f.releaseDebug = 1;
    f.options = {true, false, true, false};
    f.tuneSwitchOpen = true;
    return f;
}

bool same(const FactorySettingsForm& a, const FactorySettingsForm& b)
{
    return factoryFormToJson(a, "").dump() == factoryFormToJson(b, "").dump();
}

bool names(const std::vector<std::string>& errors, const std::string& start)
{
    return std::any_of(errors.begin(), errors.end(), [&](const std::string& e) { return e.rfind(start, 0) == 0; });
}

}  // namespace

TEST(FactoryFormJson, RoundTripsAndKeepsWhatTheFileLeavesOut)
{
    const auto json = factoryFormToJson(sample(), "1.04.07");
    EXPECT_EQ(json["firmware_version"], "1.04.07");
    EXPECT_EQ(json["option_3"], true);
    FactoryJsonImport back = factoryFormFromJson(nlohmann::json::parse(json.dump()), FactorySettingsForm{});
    EXPECT_TRUE(back.errors.empty()) << back.errors.front();
    EXPECT_TRUE(same(back.form, sample()));

    back = factoryFormFromJson(nlohmann::json{{"serial_number", "X9"}, {"pll_frequency", 21.4}}, sample());
    EXPECT_TRUE(back.errors.empty());
    FactorySettingsForm expected = sample();
    expected.serialNumber = "X9";
    expected.pllFrequency = "21.4";  // a number is taken as its text
    EXPECT_TRUE(same(back.form, expected));
}

TEST(FactoryFormJson, NamesEveryBadField)
{
    const auto doc = nlohmann::json::parse(R"({
        "model_name": "", "serial_number": "12345678901234567", "range_id": "1a",
        "range_low": "99", "range_high": ".", "pll_frequency": "50.000001", "rx_middle_frequency": 51,
        "band_flag": 2, "open_channel": -1, "option_1": 1, "tune_switch": true, "format": "other"})");
    const FactoryJsonImport r = factoryFormFromJson(doc, sample());
    for (const char* e : {"model_name: must not be empty", "serial_number: longer than 16",
                          "range_id: not a number", "range_low: outside 100-999", "range_high: not a number",
                          "pll_frequency: longer than 8", "rx_middle_frequency: outside 10-50",
                          "band_flag: outside 0-1", "open_channel: expected a whole number", "option_1: expected true",
                          "tune_switch: not a Factory Mode field", "format: expected"})
        EXPECT_TRUE(names(r.errors, e)) << e;
    EXPECT_EQ(std::count_if(r.errors.begin(), r.errors.end(), [](const std::string& e) { return e.rfind("open_channel", 0) == 0; }), 1)
        << "a field refused for its type is named once";
    EXPECT_FALSE(factoryFormFromJson(nlohmann::json::array(), sample()).errors.empty());
}

TEST(FactoryModeImage, StoresTheFormInTheFactoryBlocksOnly)
{
    auto store = std::make_unique<CCodeplugData>();
    store->loadDefaults(ModelValues{"QAV410", "QAV-410", "136-174", 0, 0x80});
    store->pack();
    RadioImage image;
    std::copy(store->image().begin(), store->image().end(), image.begin());
    const RadioImage before = image;

    FactorySettingsForm f = factoryFormOfImage(image, "136-174");
    EXPECT_EQ(f.pllFrequency, "12.80000");
    EXPECT_EQ(f.rangeLow, "136");
    f.serialNumber = "SN77";
    f.tuneSwitchOpen = true;
    f.openChannel = 9;
    ProfileFile volume;
    volume.parse("[Setting]\nvwide=170\nvnarrow=140\nuwide=1\nunarrow=2\n");
    storeFactoryFormInImage(image, f, "QAV410", volume);
    EXPECT_EQ(std::string(image.begin() + 72, image.begin() + 76), "SN77");
    EXPECT_EQ(image[181] & 1, 1);
    EXPECT_EQ(image[201], 0);  // the open channel number, high byte first
    EXPECT_EQ(image[202], 9);
    EXPECT_EQ(image[231], 170);
    EXPECT_EQ(image[232], 140);
    for (std::size_t a = 0; a < image.size(); ++a) {
        const bool factoryBytes = (a >= 16 && a < 64) || (a >= 72 && a < 88) || (a >= 181 && a < 254);
        if (!factoryBytes) {
            ASSERT_EQ(image[a], before[a]) << a;
        }
    }
    const FactorySettingsForm again = factoryFormOfImage(image, "136-174");
    EXPECT_TRUE(same(again, f));
}
