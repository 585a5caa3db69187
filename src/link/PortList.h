#pragma once
// The serial devices of this machine in a stable order, so that port
// numbers 1 to 16 mean something real: USB adapters first by their stable
// names under /dev/serial/by-id, then ttyUSB*, ttyACM*, and ttyS* ports that
// have a UART behind them.
#include <string>
#include <vector>

namespace PortList {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 16;

// Device paths in port-number order (index 0 is port 1). `devRoot` and
// `sysRoot` exist for tests.
std::vector<std::string> devices(const std::string& devRoot = "/dev",
                                 const std::string& sysRoot = "/sys/class/tty");

// The device of port `number` (1-16); "" when there is none.
std::string deviceOf(int number);

// Whether `text` is a port number 1-16; sets `number` when it is.
bool parseNumber(const std::string& text, int& number);

}  // namespace PortList
