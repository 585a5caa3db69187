#include "link/PortList.h"

#include <cctype>
#include <string>

namespace PortList {

bool parseNumber(const std::string& text, int& number)
{
    if (text.empty() || text.size() > 2) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    int n = std::stoi(text);
    if (n < kFirstPort || n > kLastPort) return false;
    number = n;
    return true;
}

std::string windowsDeviceName(int number)
{
    if (number < kFirstPort || number > kLastPort) return {};
    return "\\\\.\\COM" + std::to_string(number);
}

int comPortNumber(const std::string& name)
{
    std::string rest = name;
    if (rest.rfind("\\\\.\\", 0) == 0) rest.erase(0, 4);
    if (rest.size() < 4) return 0;
    for (int i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(rest[static_cast<std::size_t>(i)])) != "COM"[i]) return 0;
    int number = 0;
    if (rest[3] == '0' || !parseNumber(rest.substr(3), number)) return 0;
    return number;
}

}  // namespace PortList
