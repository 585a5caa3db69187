#pragma once
// The editor context of the desktop program: texts and the current model
// from the settings manager, records from the section store. A change
// notice handed to the records runs their reference checks after a record
// was deleted, so a reference that now leads nowhere shows up in the
// invalid-value list at once.
#include "controls/SettingsLanguageSource.h"
#include "views/EditorContext.h"

#include <map>
#include <memory>

class CCodeplugData;
class CSettingsManager;
class InvalidValueList;

class StoreEditorContext : public EditorContext {
public:
    // `invalid` may be null (no invalid-value list is kept).
    StoreEditorContext(CCodeplugData& store, CSettingsManager& settings, InvalidValueList* invalid = nullptr);
    ~StoreEditorContext() override;

    const LanguageSource& language() const override { return language_; }
    const ModelValues& model() const override;
    std::string firmwareVersion() const override;
    SectionAccess* section(Section id) override;
    void notifyRecords(const ChangeNotice& notice) override;
    std::span<const std::uint8_t> codeplugImage() const override;
    int link(Section section, int recordId, int slot) const override;
    void setLink(Section section, int recordId, int slot, int targetId) override;
    void clearInvalid(int key) override;

private:
    int* linkOf(Section section, int recordId, int slot) const;

    CCodeplugData& store_;
    CSettingsManager& settings_;
    InvalidValueList* invalid_;
    SettingsLanguageSource language_;
    std::map<Section, std::unique_ptr<SectionAccess>> sections_;
};
