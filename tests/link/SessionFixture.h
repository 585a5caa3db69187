#pragma once
// A program directory with settings and a language file, the simulated
// radio in process, and a prompt with scripted answers: everything a radio
// session needs.
#include "link/SessionContext.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "sim/SimRadio.h"
#include "sim/SimTransport.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>
#include "TestSupport.h"

struct ScriptedPrompt : IPrompt {
    std::vector<std::optional<std::string>> passwords;  // answered in order; then cancel
    int asked = 0;
    std::vector<int> informed;

    bool confirm(int, const std::string&, PromptButtons) override { return true; }
    std::optional<std::string> askPassword(int attempt) override
    {
        ++asked;
        if (attempt != asked) return std::nullopt;
        return static_cast<std::size_t>(attempt - 1) < passwords.size() ? passwords[attempt - 1] : std::nullopt;
    }
    void inform(const Outcome& message) override { informed.push_back(message.message); }
};

class ProgramDir {
public:
    explicit ProgramDir(int accessCode = 0)
    {
        static int serial = 0;
        root_ = std::filesystem::temp_directory_path() /
                ("qav-link-" + std::to_string(testsupport::processId()) + "-" + std::to_string(++serial));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "user");
        std::ofstream(root_ / "Settings.ini") << "[Setting]\nModelID=QAV410\nModelName=QAV-410\nFreqRange=136-174\n"
                                                 "ComPort=1\nLanguage=0\n[User Mode]\nLevel="
                                              << accessCode << "\n";
        std::ofstream(root_ / "QAV_E.lng") << "[Setting]\nLanguage=English\nLanguageList=English\n"
                                              "S0300610=QAV410\nS0300620=QAV420\n";
    }
    ~ProgramDir() { std::filesystem::remove_all(root_); }
    std::string path() const { return root_.string() + "/"; }
    std::string user() const { return (root_ / "user").string() + "/"; }

private:
    std::filesystem::path root_;
};

struct SessionFixture {
    explicit SessionFixture(int accessCode = 0, LinkTiming timing = LinkTiming::fast())
        : dir(accessCode), settings(dir.path(), dir.user()), ports(radio, {"1"}),
          ctx{ports, settings, prompt, "", timing, {}}
    {
        settings.selectLanguage(0);
        refresh();
        ctx.progress = [this](int p) { progress.push_back(p); };
        SimRadio::Memory mem;
        for (std::size_t i = 0; i < mem.size(); ++i) mem[i] = static_cast<std::uint8_t>(i * 31 + 7);
        radio.setMemory(mem);
    }

    // The session sees the settings as they are now.
    void refresh() { ctx.current = SessionBaseline::of(settings); }
    void fault(const std::string& spec) { radio.addFault(*SimFault::parse(spec)); }
    // The Ea commands the radio received, as (address, length).
    std::vector<std::pair<std::uint32_t, std::uint16_t>> writes() const
    {
        std::vector<std::pair<std::uint32_t, std::uint16_t>> w;
        for (const auto& c : radio.log())
            if (c.code == "Ea") w.emplace_back(c.value, c.length);
        return w;
    }
    bool leftProgrammingMode() const
    {
        auto log = radio.log();
        return !log.empty() && log.back().code == "Ma" && log.back().value == 1;
    }

    ProgramDir dir;
    CSettingsManager settings;
    SimRadio radio;
    SimPortOpener ports;
    ScriptedPrompt prompt;
    SessionContext ctx;
    std::vector<int> progress;
};
