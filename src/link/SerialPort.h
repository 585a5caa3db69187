#pragma once
// CSerialPort: the serial port of this platform behind the transport
// interface, opened by device name (a path such as /dev/ttyUSB0, or \\.\COM3
// on Windows).
#ifdef _WIN32
#include "link/SerialPortWin32.h"
#else
#include "link/SerialPortPosix.h"
#endif
