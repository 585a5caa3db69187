// Settings.ini is untrusted: damaged copies are read at start-up (radio
// values, port, language, access level) and written back at the end. The
// write either keeps every other line and reads back as written, or fails
// and leaves the file as it was.
#include "MutationKit.h"

#include "settings/FileIO.h"
#include "settings/SettingsManager.h"
#include "settings/TestDir.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr int kIterations = 150;

std::multiset<std::string> lineSet(const std::string& text)
{
    std::multiset<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t nl = text.find('\n', start);
        std::string line = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.insert(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return lines;
}

}  // namespace

TEST(SettingsIniMutation, DamagedSettingsReadAndWriteBackWithoutLoss)
{
    TestDir dir;
    std::filesystem::copy_file(QAV_DATA_DIR "/QAV_E.lng", dir.file("QAV_E.lng"));
    const std::string valid =
        "; settings\n[Setting]\nLanguage=0\nModelID=QAV410\nModelName=QAV-410\nFreqRange=400-470\nSignal=1\n"
        "ComPort=3\nPortDevice=/dev/ttyUSB0\n\n[User Mode]\nLevel=0\n\n[Recent File List]\nFile1=/tmp/a.qav\n";
    Mutator m(8080);
    for (int i = 0; i < scaled(kIterations); ++i) {
        const std::string text = m.mutate(valid, 5);
        dir.write("Settings.ini", text);
        CSettingsManager settings(dir.path(), dir.file("user/"));
        settings.loadStartupLanguage();
        settings.accessCode();
        settings.accessLevel();
        settings.model().lowMHz();
        settings.model().highMHz();
        settings.defaultCodeplugPath();
        const std::string afterLanguage = dir.read("Settings.ini");

        settings.setSignal(static_cast<int>(m.below(10)));
        settings.setComPort(static_cast<int>(m.below(17)));
        if (m.chance(30)) settings.setFreqRange(m.mutate("136-174", 2));
        const bool wrote = settings.writeSettings();
        const std::string after = dir.read("Settings.ini");
        if (!wrote) {
            EXPECT_FALSE(settings.lastError().empty()) << "iteration " << i;
            EXPECT_EQ(after, afterLanguage) << "iteration " << i << ": a failed write changed the file";
            continue;
        }
        // At most the keys written (Signal, ComPort, FreqRange, PortDevice) changed.
        std::multiset<std::string> left = lineSet(after);
        std::size_t lost = 0;
        for (const auto& line : lineSet(afterLanguage)) {
            auto it = left.find(line);
            if (it == left.end()) ++lost;
            else left.erase(it);
        }
        EXPECT_LE(lost, 4u) << "iteration " << i << "\n" << afterLanguage << "\n--\n" << after;
        CSettingsManager back(dir.path(), dir.file("user/"));
        EXPECT_EQ(back.signal(), settings.signal()) << "iteration " << i;
        EXPECT_EQ(back.comPort(), settings.comPort()) << "iteration " << i;
    }
}

// A settings file that cannot be read (here: too large to be a settings
// file) is never replaced by one holding only the keys being written.
TEST(SettingsIniMutation, UnreadableSettingsAreNotReplaced)
{
    TestDir dir;
    std::string huge = "[Setting]\nSignal=1\n;" + std::string(kMaxTextFileBytes, 'x') + "\n";
    dir.write("Settings.ini", huge);
    CSettingsManager settings(dir.path(), dir.file("user/"));
    EXPECT_FALSE(settings.writeSettings());
    EXPECT_FALSE(settings.selectLanguage(0));
    EXPECT_EQ(std::filesystem::file_size(dir.file("Settings.ini")), huge.size());
}
