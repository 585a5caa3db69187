#pragma once
// Plain stand-ins for the language file and the section store, so editors
// can be driven without files on disk.
#include "controls/LanguageSource.h"
#include "model/Record.h"
#include "settings/ModelValues.h"
#include "views/EditorContext.h"

#include <map>
#include <memory>
#include <vector>

class FakeLanguage : public LanguageSource {
public:
    std::map<int, std::string> captions, messages;
    std::map<int, int> flags;
    std::string message(int id) const override { return find(messages, id); }
    std::string caption(int id) const override { return find(captions, id); }
    int modelFlag(int id) const override
    {
        auto it = flags.find(id);
        return it == flags.end() ? 0 : it->second;
    }

private:
    static std::string find(const std::map<int, std::string>& m, int id)
    {
        auto it = m.find(id);
        return it == m.end() ? std::string() : it->second;
    }
};

// A list of records of one size; limit 1 and fixed make a fixed section.
// Each record's id is its creation serial, which is also written to its
// byte 0 so tests can tell the records apart.
class FakeSection : public SectionAccess {
public:
    FakeSection(std::size_t recordSize, int count, int limit, bool fixed = false)
        : size_(recordSize), limit_(limit), fixed_(fixed)
    {
        for (int i = 0; i < count; ++i) appendRecord();
    }
    int count() const override { return static_cast<int>(records_.size()); }
    Record* at(int i) override { return i >= 0 && i < count() ? records_[i].record.get() : nullptr; }
    int idAt(int i) const override { return i >= 0 && i < count() ? records_[i].id : 0; }
    int indexOfId(int id) const override
    {
        for (int i = 0; i < count(); ++i)
            if (records_[i].id == id) return i;
        return -1;
    }
    bool append() override
    {
        if ((fixed_ && count() >= 1) || count() >= limit_) return false;
        appendRecord();
        return true;
    }
    bool remove(int i) override
    {
        if (fixed_ || i < 0 || i >= count()) return false;
        records_.erase(records_.begin() + i);
        return true;
    }

private:
    struct Entry {
        int id;
        std::unique_ptr<Record> record;
    };
    void appendRecord()
    {
        auto r = std::make_unique<Record>(size_, 0);
        r->setU8(0, static_cast<std::uint8_t>(serial_));
        records_.push_back({serial_++, std::move(r)});
    }
    std::size_t size_;
    int limit_;
    bool fixed_;
    int serial_ = 1;
    std::vector<Entry> records_;
};

class FakeEditorContext : public EditorContext {
public:
    FakeLanguage lang;
    ModelValues values;
    std::string firmware = "1.02.003-XYZ";
    std::map<Section, std::unique_ptr<FakeSection>> sections;
    std::vector<ChangeNotice> recordNotices;   // what the store's records were handed

    const LanguageSource& language() const override { return lang; }
    const ModelValues& model() const override { return values; }
    std::string firmwareVersion() const override { return firmware; }
    SectionAccess* section(Section id) override
    {
        auto it = sections.find(id);
        return it == sections.end() ? nullptr : it->second.get();
    }
    void notifyRecords(const ChangeNotice& n) override { recordNotices.push_back(n); }
    std::vector<std::uint8_t> image;
    std::span<const std::uint8_t> codeplugImage() const override { return image; }

    FakeSection& addSection(Section id, std::size_t size, int count, int limit, bool fixed = false)
    {
        sections[id] = std::make_unique<FakeSection>(size, count, limit, fixed);
        return *sections[id];
    }
};
