#include "link/PortList.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace {

// "ttyS10" sorts after "ttyS9".
bool naturalLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) && std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t ie = i, je = j;
            while (ie < a.size() && std::isdigit(static_cast<unsigned char>(a[ie]))) ++ie;
            while (je < b.size() && std::isdigit(static_cast<unsigned char>(b[je]))) ++je;
            std::string na = a.substr(i, ie - i), nb = b.substr(j, je - j);
            na.erase(0, std::min(na.find_first_not_of('0'), na.size()));
            nb.erase(0, std::min(nb.find_first_not_of('0'), nb.size()));
            if (na.size() != nb.size()) return na.size() < nb.size();
            if (na != nb) return na < nb;
            i = ie;
            j = je;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

std::vector<std::string> listDir(const fs::path& dir, const std::string& prefix)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string n = it->path().filename().string();
        if (n.rfind(prefix, 0) == 0 && n.size() > prefix.size()) names.push_back(n);
    }
    std::sort(names.begin(), names.end(), naturalLess);
    return names;
}

// A legacy serial port node exists whether or not a UART is fitted; the
// kernel reports port type 0 for the empty ones.
bool hasUart(const fs::path& sysRoot, const std::string& name)
{
    std::ifstream in(sysRoot / name / "type");
    if (!in) return true;  // no information: keep it
    int type = 0;
    in >> type;
    return type != 0;
}

std::string realPath(const fs::path& p)
{
    std::error_code ec;
    fs::path c = fs::canonical(p, ec);
    return ec ? p.string() : c.string();
}

}  // namespace

namespace PortList {

std::vector<std::string> devices(const std::string& devRoot, const std::string& sysRoot)
{
    std::vector<std::string> out;
    std::set<std::string> seen;
    auto add = [&](const fs::path& p) {
        if (seen.insert(realPath(p)).second) out.push_back(p.string());
    };
    fs::path dev(devRoot);
    for (const auto& n : listDir(dev / "serial" / "by-id", "")) add(dev / "serial" / "by-id" / n);
    for (const char* prefix : {"ttyUSB", "ttyACM"})
        for (const auto& n : listDir(dev, prefix)) add(dev / n);
    for (const auto& n : listDir(dev, "ttyS"))
        if (hasUart(sysRoot, n)) add(dev / n);
    if (out.size() > static_cast<std::size_t>(kLastPort)) out.resize(kLastPort);
    return out;
}

std::string deviceOf(int number)
{
    if (number < kFirstPort || number > kLastPort) return {};
    auto list = devices();
    if (static_cast<std::size_t>(number) > list.size()) return {};
    return list[static_cast<std::size_t>(number - 1)];
}

}  // namespace PortList
