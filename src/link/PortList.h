#pragma once
// The serial devices of this machine in a stable order, so that port
// numbers 1 to 16 mean something real: USB adapters first by their stable
// names under /dev/serial/by-id, then ttyUSB*, ttyACM*, and ttyS* ports that
// have a UART behind them. On Windows port number n is COMn itself.
#include <string>
#include <vector>

namespace PortList {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 16;

// The Windows device name of COM`number` (\\.\COM12: the plain "COM12"
// only reaches COM1-COM9); "" outside 1-16.
std::string windowsDeviceName(int number);
// The number n of "COMn" or "\\.\COMn" (any case), 1-16; 0 for anything else.
int comPortNumber(const std::string& name);

#ifdef _WIN32
// The device names of the ports COM1-COM16 this machine has, in number order.
std::vector<std::string> devices();
#else
// Device paths in port-number order (index 0 is port 1). `devRoot` and
// `sysRoot` exist for tests.
std::vector<std::string> devices(const std::string& devRoot = "/dev",
                                 const std::string& sysRoot = "/sys/class/tty");
#endif

// The device of port `number` (1-16); "" when there is none.
std::string deviceOf(int number);

// Whether `text` is a port number 1-16; sets `number` when it is.
bool parseNumber(const std::string& text, int& number);

}  // namespace PortList
