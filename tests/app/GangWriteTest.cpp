#include "RadioDocumentTest.h"
#include "app/GangWrite.h"
#include "model/MemoryMap.h"
#include "settings/TextIds.h"
#include "sim/SimTransport.h"

#include <map>

namespace {

struct GangCase {
    const char* name;
    const char* fault;     // "" none
    const char* password;  // the radio asks for it; "" none
    const char* given;     // the password given for the gang
    bool ok;
    int message;
    bool passwordMissing = false;
};

class GangWriteTest : public RadioDocumentTest {
protected:
    // One simulated radio per case, each behind a port of its own; port "x"
    // has no radio, but its opener would reach radio 0 as port "1".
    std::vector<std::unique_ptr<SimRadio>> radios;
    std::map<std::string, SimPortOpener*> openers;

    GangWrite::OpenerFor factory()
    {
        return [this](const std::string& port) -> std::unique_ptr<IPortOpener> {
            std::unique_ptr<SimPortOpener> opener;
            if (port == "x")
                opener = std::make_unique<SimPortOpener>(*radios[0], std::set<std::string>{"1"});
            else
                opener = std::make_unique<SimPortOpener>(*radios[std::stoul(port)], std::set<std::string>{port});
            openers[port] = opener.get();
            return opener;
        };
    }
};

}  // namespace

TEST_F(GangWriteTest, EveryRadioEndsOnItsOwnAndOnlyItsOwnPortIsTried)
{
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the WebAssembly build has one thread";
#endif
    const GangCase cases[] = {
        {"plain", "", "", "", true, MsgId::kRadioWriteDone},
        {"password given", "", "1234", "1234", true, MsgId::kRadioWriteDone},
        {"wrong password, not asked again", "", "1234", "9999", false, MsgId::kRadioWrongPassword},
        {"password not given", "", "1234", "", false, 0, true},
        {"refused block", "refuse-block:254", "", "", false, MsgId::kRadioWriteFailed},
        {"silent after a while", "silent-after:20", "", "", false, MsgId::kRadioWriteFailed},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        auto r = std::make_unique<SimRadio>();
        r->setIdentity(radio.identity());
        r->setPassword(cases[i].password);
        if (*cases[i].fault) r->addFault(*SimFault::parse(cases[i].fault));
        radios.push_back(std::move(r));
    }

    // Each case has its own gang so each can have its own password.
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        RadioImage image{};
        ASSERT_TRUE(commands->prepareWrite(image));
        GangWrite gang(factory(), LinkTiming::fast());
        // The first gang also has a port with no radio, and names one twice.
        std::vector<std::string> ports{std::to_string(i)};
        if (i == 0) ports = {"0", "x", "0"};
        gang.start(ports, image, *settings_, cases[i].given);
        gang.wait();
        ASSERT_TRUE(gang.finished());
        const GangResult& r = gang.result(0);
        EXPECT_EQ(r.transfer.outcome.ok, cases[i].ok);
        if (cases[i].message) {
            EXPECT_EQ(r.transfer.outcome.message, cases[i].message);
        }
        EXPECT_EQ(r.passwordMissing, cases[i].passwordMissing);
        const auto mem = radios[i]->memory();
        EXPECT_EQ(std::equal(mem.begin() + 254, mem.begin() + 5115, image.begin() + 254), cases[i].ok);
        if (cases[i].ok) {
            EXPECT_EQ(gang.percent(0), 100);
        }
        if (i == 0) {
            ASSERT_EQ(gang.size(), 2u);  // "0" and "x": a port named twice is written once
            EXPECT_FALSE(gang.result(1).transfer.outcome.ok);
            EXPECT_EQ(gang.result(1).transfer.outcome.message, MsgId::kNoRadio);
            EXPECT_EQ(openers["x"]->opened(), std::vector<std::string>{"x"});
        }
    }
}

TEST_F(GangWriteTest, TheProgramTakesOverTheFirstRadioWrittenInPortOrder)
{
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the WebAssembly build has one thread";
#endif
    struct Case {
        const char* name;
        std::vector<const char*> faults;  // one radio each, ports "0", "1", ...
        int taken;                        // the radio whose values the program takes; -1 none
    };
    const Case cases[] = {
        {"the first fails, the second and third are written", {"refuse-block:254", "", ""}, 1},
        {"all written", {"", "", ""}, 0},
        {"none written", {"refuse-block:254", "silent-after:5"}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        radios.clear();
        std::vector<std::string> ports;
        for (std::size_t i = 0; i < c.faults.size(); ++i) {
            auto r = std::make_unique<SimRadio>();
            SimIdentity id = radio.identity();
            id.firmwareVersion = "1.04.2" + std::to_string(i);
            r->setIdentity(id);
            if (*c.faults[i]) r->addFault(*SimFault::parse(c.faults[i]));
            radios.push_back(std::move(r));
            ports.push_back(std::to_string(i));
        }
        settings_->setComPort(3);
        settings_->setPortDevice("");
        const std::string firmware = settings_->firmwareVersion();
        RadioImage image{};
        ASSERT_TRUE(commands->prepareWrite(image));
        GangWrite gang(factory(), LinkTiming::fast());
        gang.start(ports, image, *settings_, "");
        gang.wait();
        EXPECT_EQ(takeOverFirstWritten(gang, *commands), c.taken >= 0);
        EXPECT_EQ(settings_->comPort(), 3) << "the configured port stays";
        EXPECT_EQ(settings_->portDevice(), "");
        if (c.taken < 0) {
            EXPECT_EQ(settings_->firmwareVersion(), firmware);
            continue;
        }
        const auto& sent = gang.result(static_cast<std::size_t>(c.taken)).image;
        EXPECT_EQ(settings_->firmwareVersion(), "1.04.2" + std::to_string(c.taken));
        EXPECT_TRUE(std::equal(sent.begin() + Image::kStamp, sent.begin() + Image::kStamp + Image::kStampLength,
                               store_->image().begin() + Image::kStamp));
    }
}
