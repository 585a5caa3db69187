#include "link/PortList.h"
#include "link/PortOpener.h"
#include "link/SerialPort.h"

#include <gtest/gtest.h>

TEST(PortList, PortNumbersAreOneToSixteen)
{
    int n = 0;
    EXPECT_TRUE(PortList::parseNumber("1", n));
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(PortList::parseNumber("16", n));
    EXPECT_EQ(n, 16);
    for (const char* bad : {"0", "17", "", "/dev/ttyUSB0", "sim", "1a", "-1"}) EXPECT_FALSE(PortList::parseNumber(bad, n)) << bad;
    EXPECT_EQ(PortList::deviceOf(17), "");
    EXPECT_EQ(PortList::deviceOf(0), "");
}

TEST(PortList, WindowsPortNames)
{
    const std::pair<const char*, int> cases[] = {
        {"COM1", 1}, {"com16", 16}, {"\\\\.\\COM12", 12}, {"Com3", 3},
        {"COM0", 0}, {"COM17", 0}, {"COM03", 0}, {"COM", 0}, {"COMX", 0}, {"LPT1", 0}, {"\\\\.\\", 0}, {"", 0},
    };
    for (const auto& [name, number] : cases) EXPECT_EQ(PortList::comPortNumber(name), number) << name;
    EXPECT_EQ(PortList::windowsDeviceName(3), "\\\\.\\COM3");
    EXPECT_EQ(PortList::windowsDeviceName(16), "\\\\.\\COM16");
    EXPECT_EQ(PortList::windowsDeviceName(17), "");
}

TEST(SerialPort, APortThatIsNotThereStaysClosed)
{
#ifdef _WIN32
    const char* absent[] = {"\\\\.\\COM99", "\\\\.\\NOSUCHPORT", "NUL"};
#else
    const char* absent[] = {"/nonexistent/ttyQAV", "/dev/null"};
#endif
    for (const char* name : absent) {
        CSerialPort port;
        EXPECT_FALSE(port.open(name)) << name;
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(port.name(), "");
        EXPECT_TRUE(port.close());  // never opened: counts as closed
        std::uint8_t b[4];
        EXPECT_EQ(port.read(b, 4), 0u);
        EXPECT_EQ(port.write(b, 4), 0u);
    }
    SerialPortOpener opener;
    EXPECT_EQ(opener.open("17"), nullptr);
    EXPECT_EQ(opener.open("COM0"), nullptr);
}
