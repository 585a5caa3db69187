#pragma once
// A frame host on plain values: language texts from maps, a settable model,
// port, access level and list counts.
#include "frame/FrameHost.h"

#include <map>

struct FakeFrameHost : IFrameHost {
    std::map<int, std::string> captions;
    std::map<int, std::string> messages;
    std::map<int, int> flags;
    std::map<int, int> counts{{32822, 3}, {32824, 2}, {32884, 1}};
    int language = 0;
    std::string model = "QAV-1";
    std::string range = "136-174";
    int port = 4;
    std::string device;
    int level = 0;

    std::string caption(int id) const override { return find(captions, id); }
    std::string message(int id) const override { return find(messages, id); }
    int languageIndex() const override { return language; }
    int modelFlag(int id) const override
    {
        auto it = flags.find(id);
        return it == flags.end() ? 0 : it->second;
    }
    std::string modelName() const override { return model; }
    std::string freqRange() const override { return range; }
    int comPort() const override { return port; }
    std::string portDevice() const override { return device; }
    int accessCode() const override { return level; }
    int listCount(int id) const override
    {
        auto it = counts.find(id);
        return it == counts.end() ? -1 : it->second;
    }

    // Tree texts as a language file would give them.
    void giveTreeTexts()
    {
        captions[32800] = "Radio Information";
        captions[32801] = "Settings";
        captions[32802] = "Keys";
        captions[32803] = "Miscellaneous";
        captions[32813] = "Password";
        captions[32821] = "Channels";
        captions[32822] = "Channel";
        captions[32823] = "Personalities";
        captions[32824] = "Personality";
        captions[32883] = "Scan Lists";
        captions[32884] = "Scan List";
        captions[32886] = "Embedded Message";
        captions[32887] = "Test Frequency";
        captions[32888] = "Data Watch";
    }

private:
    static std::string find(const std::map<int, std::string>& m, int id)
    {
        auto it = m.find(id);
        return it == m.end() ? std::string() : it->second;
    }
};
