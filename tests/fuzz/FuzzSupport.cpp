#include "FuzzSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

std::string FuzzInput::text(char stop)
{
    std::string out;
    while (pos_ < size_ && static_cast<char>(data_[pos_]) != stop) out += static_cast<char>(data_[pos_++]);
    if (pos_ < size_) ++pos_;
    return out;
}

std::string FuzzInput::bytes(std::size_t n)
{
    n = std::min(n, remaining());
    std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return out;
}

namespace {

std::string makeScratchDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "qav-fuzz-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) std::abort();
    static std::string removeAtExit;
    removeAtExit = tmpl;
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(removeAtExit, ec);
    });
    return tmpl + "/";
}

}  // namespace

const std::string& fuzzScratchDir()
{
    static const std::string dir = makeScratchDir();
    return dir;
}

std::string writeScratchFile(const std::string& name, std::string_view bytes)
{
    std::string path = fuzzScratchDir() + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}
