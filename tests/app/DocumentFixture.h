#pragma once
// A program directory of its own (English language file, Model.dat,
// Settings.ini for model QAV410 at 400-470 MHz), the program's shared
// objects on it, scripted prompt answers and an observer that counts what
// it was asked to do.
#include "app/AppRoot.h"
#include "app/DocumentService.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>
#include "TestSupport.h"

struct ScriptedPrompt : IPrompt {
    std::vector<int> asked;
    bool answer = true;
    std::optional<SaveTarget> target;
    int saveAsked = 0;
    SaveChoice saveChoice = SaveChoice::Cancel;
    int changesAsked = 0;

    bool confirm(int messageId, const std::string&, PromptButtons) override
    {
        asked.push_back(messageId);
        return answer;
    }
    std::optional<std::string> askPassword(int) override { return std::nullopt; }
    std::optional<SaveTarget> askSaveTarget(const std::string&, const FileIdentity&) override
    {
        ++saveAsked;
        return target;
    }
    SaveChoice askSaveChanges(int messageId, const std::string&) override
    {
        asked.push_back(messageId);
        ++changesAsked;
        return saveChoice;
    }
};

struct CountingObserver : IDocumentObserver {
    int closed = 0, committed = 0, replaced = 0, counts = 0, shown = 0;
    void closeAllEditors() override { ++closed; }
    void commitEditors() override { ++committed; }
    void codeplugReplaced(const std::string&) override { ++replaced; }
    void listCountsChanged() override { ++counts; }
    void showInvalidValues() override { ++shown; }
};

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = ::testing::TempDir() + "documentXXXXXX";
        ASSERT_NE(testsupport::makeTempDir(tmpl.data()), nullptr);
        dir_ = tmpl + "/";
        std::filesystem::create_directories(dir_ + "user");
        std::filesystem::create_directories(dir_ + "files");
        std::filesystem::copy_file(QAV_DATA_DIR "/QAV_E.lng", dir_ + "QAV_E.lng");
        write("Settings.ini", "[Setting]\nLanguage=0\nModelID=QAV410\nModelName=QA-410\nFreqRange=400-470\nSignal=1\n");
        write("Model.dat",
              "[Setting]\nModelID=QAV410,QAV420\nQAV410=QA-410\nQAV420=QA-420\n"
              "[QAV410]\nNumber=2\nFreq0=400,470,400,470,2\nFreq1=136,174,136,174,129\n"
              "[QAV420]\nNumber=1\nFreq0=350,390,350,390,5\n");
        root_ = std::make_unique<AppRoot>(dir_, dir_ + "user/");
        root_->compose(prompt_, observer_);
        settings_ = &root_->settings();
        store_ = &root_->store();
        doc_ = &root_->document();
        ASSERT_TRUE(settings_->loadStartupLanguage());
        store_->setStampSource([] { return ProgrammingStamp{9, 8, 7, 6, 5, 26, 20, 0}; });
        ASSERT_TRUE(doc_->newDocument());
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    void write(const std::string& name, const std::string& text) const
    {
        std::ofstream(dir_ + name, std::ios::binary) << text;
    }
    std::string read(const std::string& path) const
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string file(const std::string& name) const { return dir_ + "files/" + name; }

    // A codeplug file for `model` with firmware text `firmware` and an image
    // whose bytes count up from `seed`.
    std::string makeFile(const std::string& name, const ModelValues& model, const std::string& firmware,
                         const std::string& info = "", std::uint8_t seed = 0) const
    {
        CCodeplugFile f;
        EXPECT_TRUE(f.setHeader(makeCodeplugHeader(model, firmware)));
        CCodeplugData::Image image{};
        for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(seed + i);
        EXPECT_TRUE(f.write(file(name), info, image, CCodeplugFile::EmptyInfo::WriteEmpty));
        return file(name);
    }
    // A valid codeplug of another range of the same model, packed from defaults.
    std::string makeCodeplug(const std::string& name, const std::string& firmware = "1.04.07",
                             const std::string& modelId = "QAV410")
    {
        ModelValues m;
        m.modelId = modelId;
        m.modelName = "QA-410B";
        m.freqRange = "136-174";
        m.signal = 3;
        CCodeplugData other;
        other.loadDefaults(m);
        other.pack();
        CCodeplugFile f;
        EXPECT_TRUE(f.setHeader(makeCodeplugHeader(m, firmware)));
        EXPECT_TRUE(f.write(file(name), "other radio", other.image(), CCodeplugFile::EmptyInfo::WriteEmpty));
        return file(name);
    }
    static std::uint32_t infoLength(const std::string& bytes)
    {
        return static_cast<std::uint8_t>(bytes[123]) | static_cast<std::uint8_t>(bytes[124]) << 8 |
               static_cast<std::uint8_t>(bytes[125]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[126])) << 24;
    }

    std::string dir_;
    ScriptedPrompt prompt_;
    CountingObserver observer_;
    // The shared objects as both programs build them.
    std::unique_ptr<AppRoot> root_;
    CSettingsManager* settings_ = nullptr;
    CCodeplugData* store_ = nullptr;
    DocumentService* doc_ = nullptr;
};
