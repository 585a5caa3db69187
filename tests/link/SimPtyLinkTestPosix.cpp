// The real serial port against the simulated radio on a pseudo-terminal.
#include "link/RadioLink.h"
#include "sim/SimPty.h"

#include <gtest/gtest.h>

TEST(SimPtyLink, SerialPortTalksToTheRadioOnAPseudoTerminal)
{
    SimRadio radio;
    SimRadio::Memory mem;
    for (std::size_t i = 0; i < mem.size(); ++i) mem[i] = static_cast<std::uint8_t>(i < 4096 ? 0xFF : i);
    radio.setMemory(mem);
    SimPtyServer server(radio, false);
    ASSERT_TRUE(server.open()) << server.error();
    server.start();
    SerialPortOpener ports;
    CRadioLink link(ports);
    ASSERT_TRUE(link.connectTo(server.devicePath()));
    IdentityData id;
    ASSERT_TRUE(link.readIdentity("1.04.07", id));
    EXPECT_EQ(id.productId, "QAV410");
    ASSERT_EQ(link.setMode(2), 1);
    std::uint8_t block[32];
    for (std::uint32_t a : {0u, 4080u, 8160u}) {
        ASSERT_TRUE(link.readBlock(a, 32, block)) << a;
        EXPECT_TRUE(std::equal(block, block + 32, mem.begin() + a)) << a;
    }
    link.close();
    server.stop();
}
