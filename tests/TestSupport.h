#pragma once
// The few operating-system calls the tests make, on POSIX and on Windows.
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <filesystem>
#include <process.h>
#include <random>
#else
#include <unistd.h>
#endif

namespace testsupport {

// Like mkdtemp: replaces the trailing "XXXXXX" of `tmpl` and creates that
// folder; nullptr when it cannot.
inline char* makeTempDir(char* tmpl)
{
#ifdef _WIN32
    std::string t(tmpl);
    if (t.size() < 6 || t.compare(t.size() - 6, 6, "XXXXXX") != 0) return nullptr;
    static std::mt19937 random{std::random_device{}()};
    const char* digits = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (std::size_t i = t.size() - 6; i < t.size(); ++i) t[i] = digits[random() % 36];
        std::error_code ec;
        if (std::filesystem::create_directory(t, ec)) {
            t.copy(tmpl, t.size());
            return tmpl;
        }
    }
    return nullptr;
#else
    return ::mkdtemp(tmpl);
#endif
}

inline void setEnv(const char* name, const std::string& value)
{
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    ::setenv(name, value.c_str(), 1);
#endif
}

inline void unsetEnv(const char* name)
{
#ifdef _WIN32
    _putenv_s(name, "");  // an empty value removes the variable
#else
    ::unsetenv(name);
#endif
}

inline int processId()
{
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(::getpid());
#endif
}

}  // namespace testsupport
