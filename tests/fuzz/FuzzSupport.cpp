#include "FuzzSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

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

// A new folder of a random name; create_directory fails for one that
// exists, so two processes never share it.
std::string makeScratchDir()
{
    namespace fs = std::filesystem;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path dir = fs::temp_directory_path() / ("qav-fuzz-" + std::to_string(random()));
        std::error_code ec;
        if (!fs::create_directory(dir, ec)) continue;
        static std::string removeAtExit;
        removeAtExit = dir.string();
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(removeAtExit, ignored);
        });
        return dir.generic_string() + "/";
    }
    std::abort();
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
