// Whole sessions through the real serial port code against the simulated
// radio on a pseudo-terminal. The protocol's fixed pauses are left out
// (the simulated radio needs none); the reply time-out is the radio's.
#include "link/ImageSessions.h"
#include "link/SerialPort.h"
#include "sim/SimPty.h"
#include "SessionFixture.h"
#include "settings/TextIds.h"

#include <gtest/gtest.h>

namespace {

constexpr LinkTiming kNoPauses{0, 0, 50, 0, 10, 3};

struct PtyFixture : SessionFixture {
    SerialPortOpener serial;
    SimPtyServer server{radio, false};
    SessionContext pty{serial, settings, prompt, "", kNoPauses, {}};

    PtyFixture()
    {
        if (server.open()) server.start();
        pty.port = server.devicePath();
    }
};

}  // namespace

TEST(PtySession, ReadAndWriteTheWholeImage)
{
    PtyFixture f;
    ASSERT_FALSE(f.pty.port.empty()) << f.server.error();
    RadioImage image{};
    TransferResult r = readFromRadio(f.pty, image);
    ASSERT_TRUE(r.outcome.ok) << r.outcome.message;
    auto mem = f.radio.memory();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), mem.begin()));
    EXPECT_EQ(r.port, f.server.devicePath());

    for (auto& b : image) b = static_cast<std::uint8_t>(~b);
    r = writeToRadio(f.pty, image);
    ASSERT_TRUE(r.outcome.ok) << r.outcome.message;
    mem = f.radio.memory();
    EXPECT_EQ(mem[120], image[120]);
    EXPECT_EQ(mem[5114], image[5114]);
    EXPECT_NE(mem[5115], image[5115]);
    EXPECT_TRUE(std::equal(image.begin() + 32, image.begin() + 40, mem.begin() + 32));
    EXPECT_TRUE(f.leftProgrammingMode());
}

TEST(PtySession, PasswordThenRead)
{
    PtyFixture f;
    ASSERT_FALSE(f.pty.port.empty());
    f.radio.setPassword("31415926");
    f.prompt.passwords = {"27", "31415926"};
    RadioImage image{};
    TransferResult r = readFromRadio(f.pty, image);
    ASSERT_TRUE(r.outcome.ok);
    EXPECT_EQ(f.prompt.informed, std::vector<int>{MsgId::kRadioWrongPassword});
}

TEST(PtySession, RadioFallsSilentMidTransfer)
{
    PtyFixture f;
    ASSERT_FALSE(f.pty.port.empty());
    f.fault("silent-after:128");
    RadioImage image{};
    image.fill(0x11);
    TransferResult r = readFromRadio(f.pty, image);
    EXPECT_EQ(r.outcome.message, MsgId::kRadioReadFailed);
    EXPECT_EQ(r.outcome.args, std::vector<std::string>{"4096"});
    for (auto b : image) ASSERT_EQ(b, 0x11);
    EXPECT_FALSE(f.leftProgrammingMode());
    // The port was given back: it opens again at once.
    CSerialPort again;
    EXPECT_TRUE(again.open(f.server.devicePath()));
}
