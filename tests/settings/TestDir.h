#pragma once
// A temporary folder for a test, removed afterwards, with helpers to put the
// fixture files (tests/settings/fixtures) and other files in it.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include "TestSupport.h"

class TestDir {
public:
    TestDir()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "qav-test-XXXXXX").string();
        if (!testsupport::makeTempDir(tmpl.data())) throw std::runtime_error("mkdtemp failed");
        path_ = tmpl + "/";
    }
    ~TestDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TestDir(const TestDir&) = delete;
    TestDir& operator=(const TestDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

    void write(const std::string& name, const std::string& content) const
    {
        std::filesystem::create_directories(std::filesystem::path(file(name)).parent_path());
        std::ofstream(file(name), std::ios::binary) << content;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }

    // Copies every fixture file (or only `name`) into the folder.
    void copyFixtures(const std::string& name = {}) const
    {
        for (const auto& e : std::filesystem::directory_iterator(fixtureDir()))
            if (name.empty() || e.path().filename() == name)
                std::filesystem::copy_file(e.path(), path_ + e.path().filename().string(),
                                           std::filesystem::copy_options::overwrite_existing);
    }

    static std::string fixtureDir()
    {
        return std::string(QAV_TESTS_DIR) + "/settings/fixtures/";
    }

private:
    std::string path_;
};
