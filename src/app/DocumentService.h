#pragma once
// The document-level procedures both programs share: New, the model reset
// after a change of model or language, Open, Open Recent, Save and Save As,
// with the state they keep (current path, last header, recent files, the
// frequency ranges of the current model and the invalid-value list).
//
// Every procedure returns an Outcome: success, a language message to show,
// or "cancelled" (not ok, message 0) when the user backed out. Questions go
// to the IPrompt, window work to the IDocumentObserver.
#include "app/DocumentObserver.h"
#include "app/DocumentRevision.h"
#include "app/InvalidValueList.h"
#include "app/RecentFiles.h"
#include "app/UndoHistory.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFileHeader.h"
#include "model/MemoryMap.h"
#include "model/RangeList.h"
#include "settings/Outcome.h"
#include "settings/Prompt.h"

#include <string>

class CSettingsManager;

class DocumentService {
public:
    // The firmware version text a new codeplug gets.
    static constexpr const char* kNewFirmware = kReferenceFirmware;
    // Byte of the DOS section that files of firmware before 1.02 carry
    // uninitialised; Open clears it for them.
    static constexpr std::size_t kDosByte = Image::kDos;

    DocumentService(CSettingsManager& settings, CCodeplugData& store, IPrompt& prompt, IDocumentObserver& observer);

    // Command New: the first call (at start-up) asks nothing; later ones
    // ask to save a modified codeplug first (settleChanges), or message 800
    // when it is unmodified. Then the New procedure and an empty invalid list.
    Outcome newDocument();
    // The New procedure alone: the default codeplug of the current model
    // (its default file when readable, the factory defaults otherwise).
    // Also the reset after a change of model or language. With
    // `useDefaultFile` false the factory defaults are kept even when a
    // default file exists.
    Outcome resetForModel(bool useDefaultFile = true);

    // Open of a chosen file. On failure the current path, model values,
    // firmware text and codeplug stay as they were. An image block shorter
    // than the image fills only its leading bytes; the rest comes from the
    // default codeplug of the file's model as New would make it.
    Outcome open(const std::string& path);
    // Open of recent entry `index` (0-3).
    Outcome openRecent(std::size_t index);

    // Save to the current path; asks for a file (Save As) when there is
    // none or it no longer exists.
    Outcome save();
    // Save As, asking for the file and its information text.
    Outcome saveAs();
    // Save As to a file chosen already; an empty `info` keeps the text of a
    // file being replaced. On failure the current path stays the previous one.
    Outcome saveAs(const std::string& path, const std::string& info);

    // Before a command replaces or closes the codeplug: when it changed
    // since it was last saved (editors committed first), asks `messageId`
    // with save / discard / cancel. Save runs Save (Save As without a
    // file). Success means the command may go on; a cancelled or failed
    // save, or Cancel, stops it (a failed save carries its message).
    Outcome settleChanges(int messageId);
    // Before the codeplug is replaced by the model's default one (New, a
    // model change): the save question when it is modified, else message
    // 800 with `buttons`.
    Outcome confirmReplace(PromptButtons buttons);
    // Committed editors' changes: a new revision when the records changed.
    void noteEdit();
    // A change outside the records that is saved with the codeplug.
    void noteHeaderChange();
    // The codeplug now holds what the radio or a file holds: unmodified.
    void markUnmodified();
    // ... and it replaced the previous codeplug: the undo history starts afresh.
    void markReplaced();
    // Undo and Redo of committed changes (editors are committed first).
    // False when there was nothing to undo or redo.
    bool undo();
    bool redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // What a write put back (the programming stamp) is not an edit.
    void absorbRadioChanges();
    bool isModified() const { return revision_.modified(); }
    const DocumentRevision& revision() const { return revision_; }

    // The check that guards every save and write: number of invalid values.
    std::size_t validate();

    const std::string& currentPath() const { return currentPath_; }
    void clearCurrentPath() { currentPath_.clear(); }
    const CodeplugHeader& lastHeader() const { return lastHeader_; }
    const std::string& firmwareVersion() const;
    RecentFiles& recentFiles() { return recent_; }
    InvalidValueList& invalidValues() { return invalid_; }
    RangeList& ranges() { return ranges_; }
    // The header Save and Save As write for the current model.
    CodeplugHeader currentHeader();

private:
    bool stepHistory(bool back);
    Outcome openFile(const std::string& path, bool fromRecent, std::size_t recentIndex);
    Outcome writeTo(const std::string& path, const std::string& info);
    // The image New makes for the current model: its default codeplug file
    // over the factory defaults; false in `fromFile` when none was read.
    CCodeplugData::Image newImage(bool useDefaultFile, bool& fromFile);

    CSettingsManager& settings_;
    CCodeplugData& store_;
    IPrompt& prompt_;
    IDocumentObserver& observer_;

    std::string currentPath_;
    CodeplugHeader lastHeader_{};
    RecentFiles recent_;
    RangeList ranges_;
    InvalidValueList invalid_;
    bool firstNewDone_ = false;
    DocumentRevision revision_;
    UndoHistory history_;
};
