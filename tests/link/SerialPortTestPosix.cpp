#include "link/LineMarks.h"
#include "link/PortList.h"
#include "link/SerialPort.h"
#include "PtyPair.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <thread>
#include "TestSupport.h"

using namespace std::chrono;

TEST(SerialPort, AFailedOpenSaysWhy)
{
    CSerialPort port;
    EXPECT_FALSE(port.open("/nonexistent/ttyQAV"));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.openError(), ENOENT);
    EXPECT_FALSE(port.open("/dev/null"));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.openError(), ENOTTY);
}

TEST(SerialPort, OpensExclusively)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    CSerialPort a, b;
    ASSERT_TRUE(a.open(pty.path));
    EXPECT_EQ(a.name(), pty.path);
    // A pseudo-terminal refuses parity and modem lines; that is no error.
    EXPECT_TRUE(a.setLine(38400, 8, Parity::Odd, StopBits::Two));
    EXPECT_FALSE(b.open(pty.path));
    EXPECT_EQ(b.openError(), EBUSY);
    EXPECT_TRUE(a.close());
    EXPECT_TRUE(a.name().empty());
    EXPECT_TRUE(b.open(pty.path));
}

TEST(SerialPort, ShortReadReturnsWhatArrivedAfterTheTimeOut)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    CSerialPort port;
    ASSERT_TRUE(port.open(pty.path));
    port.setLine(38400, 8, Parity::Odd, StopBits::Two);
    port.setReadTimeout(60);
    pty.send("\x02""ABC");
    std::uint8_t buf[6] = {};
    auto t0 = steady_clock::now();
    std::clock_t c0 = std::clock();
    EXPECT_EQ(port.read(buf, 6), 4u);
    auto elapsed = steady_clock::now() - t0;
    EXPECT_TRUE(port.timedOut());
    EXPECT_GE(elapsed, milliseconds(60));
    EXPECT_LT(elapsed, milliseconds(200));
    // Waiting is done in poll(), not by spinning.
    EXPECT_LT(double(std::clock() - c0) / CLOCKS_PER_SEC, 0.02);
    EXPECT_EQ(buf[3], 'C');
}

TEST(SerialPort, FullReadReturnsAtOnceAndKeepsTheRest)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    CSerialPort port;
    ASSERT_TRUE(port.open(pty.path));
    port.setLine(38400, 8, Parity::Odd, StopBits::Two);
    port.setReadTimeout(1000);
    pty.send(std::string("\xFF\x01\xFF\xFF\x02", 5));  // 0xFF bytes survive the error marking
    std::uint8_t buf[3] = {};
    auto t0 = steady_clock::now();
    ASSERT_EQ(port.read(buf, 3), 3u);
    EXPECT_LT(steady_clock::now() - t0, milliseconds(500));
    EXPECT_FALSE(port.timedOut());
    EXPECT_EQ(buf[0], 0xFF);
    EXPECT_EQ(buf[1], 0x01);
    EXPECT_EQ(buf[2], 0xFF);
    port.purge();
    port.setReadTimeout(20);
    EXPECT_EQ(port.read(buf, 2), 0u);  // the purged bytes are gone
}

TEST(SerialPort, NoTimeOutWaitsForTheBytes)
{
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    CSerialPort port;
    ASSERT_TRUE(port.open(pty.path));
    port.setLine(38400, 8, Parity::Odd, StopBits::Two);
    port.setReadTimeout(0);
    std::thread late([&] {
        std::this_thread::sleep_for(milliseconds(80));
        pty.send("xy");
    });
    std::uint8_t buf[2];
    EXPECT_EQ(port.read(buf, 2), 2u);
    late.join();
    EXPECT_FALSE(port.timedOut());
}

TEST(LineMarks, ErrorMarksFailTheReadAndEscapedBytesDecode)
{
    struct Case {
        std::string raw;
        std::string decoded;
        bool error;
    };
    const Case cases[] = {
        {"ab", "ab", false},
        {std::string("\xFF\xFF", 2), "\xFF", false},
        {std::string("a\xFF\x00zb", 5), "ab", true},  // z came with a parity or framing error
        {std::string("\xFF\xFF\xFF\x00\x00", 5), "\xFF", true},
    };
    for (const auto& c : cases) {
        LineMarkDecoder d;
        std::deque<std::uint8_t> out;
        d.decode(reinterpret_cast<const std::uint8_t*>(c.raw.data()), c.raw.size(), out);
        EXPECT_EQ(std::string(out.begin(), out.end()), c.decoded);
        EXPECT_EQ(d.takeError(), c.error);
        EXPECT_FALSE(d.takeError());
    }
    // A mark split across two reads is still recognised.
    LineMarkDecoder d;
    std::deque<std::uint8_t> out;
    const std::uint8_t first[] = {0xFF}, second[] = {0x00, 0x41};
    d.decode(first, 1, out);
    d.decode(second, 2, out);
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(d.takeError());
}

TEST(PortList, OrdersUsbByIdFirstThenUsbAcmAndUartsNaturally)
{
    namespace fs = std::filesystem;
    fs::path root = fs::temp_directory_path() / ("qav-ports-" + std::to_string(testsupport::processId()));
    fs::remove_all(root);
    fs::create_directories(root / "dev/serial/by-id");
    fs::create_directories(root / "sys");
    for (const char* n : {"ttyUSB1", "ttyUSB0", "ttyACM0", "ttyS10", "ttyS2", "ttyS3", "ttyS0"})
        std::ofstream(root / "dev" / n).put('x');
    fs::create_symlink(root / "dev/ttyUSB1", root / "dev/serial/by-id/usb-Cable_A");
    for (auto [n, type] : {std::pair{"ttyS0", 4}, {"ttyS2", 4}, {"ttyS3", 0}, {"ttyS10", 4}}) {
        fs::create_directories(root / "sys" / n);
        std::ofstream(root / "sys" / n / "type") << type << "\n";
    }
    auto list = PortList::devices((root / "dev").string(), (root / "sys").string());
    std::vector<std::string> names;
    for (auto& p : list) names.push_back(fs::path(p).filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"usb-Cable_A", "ttyUSB0", "ttyACM0", "ttyS0", "ttyS2", "ttyS10"}));
    fs::remove_all(root);
}
