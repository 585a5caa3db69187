#pragma once
// The few operating-system calls the tests make, on POSIX and on Windows.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <vector>

#ifdef _WIN32
#include <filesystem>
#include <process.h>
#include <random>
#else
#include <fcntl.h>
#include <sys/wait.h>
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

// Runs the program at `path` with `args` and waits for it; its exit status,
// or -1 when it could not run or did not exit normally. The Windows C
// library joins the arguments with spaces, so none may contain one.
inline int runProgram(const std::string& path, const std::vector<std::string>& args)
{
    std::vector<const char*> argv{path.c_str()};
    for (const std::string& a : args) argv.push_back(a.c_str());
    argv.push_back(nullptr);
#ifdef _WIN32
    const std::intptr_t status = _spawnv(_P_WAIT, path.c_str(), argv.data());
    return status < 0 ? -1 : static_cast<int>(status);
#else
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        // Quiet: only the exit status matters to the caller.
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execv(path.c_str(), const_cast<char* const*>(argv.data()));
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace testsupport
