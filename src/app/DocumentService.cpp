#include "app/DocumentService.h"

#include "app/ModelSelection.h"
#include "app/ReferenceChecks.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"
#include "model/RadioInfoRecord.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "settings/FileIO.h"
#include "settings/TextIds.h"

#include <algorithm>

namespace {

bool fileExists(const std::string& path) { return isRegularFile(path); }

Outcome cancelled() { return Outcome{false, 0, {}}; }

}  // namespace

DocumentService::DocumentService(CSettingsManager& settings, CCodeplugData& store, IPrompt& prompt,
                                 IDocumentObserver& observer)
    : settings_(settings),
      store_(store),
      prompt_(prompt),
      observer_(observer),
      recent_(settings.settingsPath(), settings.locations().writePath("Settings.ini")),
      invalid_([&settings](int control) { return settings.modelFlag(control); })
{
}

const std::string& DocumentService::firmwareVersion() const { return settings_.firmwareVersion(); }

std::size_t DocumentService::validate()
{
    // Editors first write what the user typed, so the check sees it.
    observer_.commitEditors();
    const std::size_t count =
        validateAll(store_, invalid_, [this](int id) { return settings_.caption(id); });
    if (count != 0) observer_.showInvalidValues();
    return count;
}

Outcome DocumentService::newDocument()
{
    if (firstNewDone_) {
        Outcome confirmed = confirmReplace(PromptButtons::OkCancel);
        if (!confirmed) return confirmed;
    }
    firstNewDone_ = true;
    Outcome result = resetForModel();
    invalid_.clear();
    return result;
}

CCodeplugData::Image DocumentService::newImage(bool useDefaultFile, bool& fromFile)
{
    // The factory defaults packed in a store of their own: the bytes a
    // short default file does not hold are the factory ones, never those
    // of the codeplug open before.
    CCodeplugData factory;
    factory.setStampSource([this] { return store_.stampNow(); });
    factory.loadDefaults(settings_.model());
    factory.pack();
    CCodeplugData::Image image = factory.image();
    std::size_t count = 0;
    fromFile = useDefaultFile && CCodeplugFile::readImage(settings_.defaultCodeplugPath(), image, count);
    if (fromFile) {
        const ProgrammingStamp stamp = store_.stampNow();
        std::copy(stamp.begin(), stamp.end(), image.begin() + Image::kStamp);
    }
    return image;
}

Outcome DocumentService::resetForModel(bool useDefaultFile)
{
    // Settings that name no model, name or range (a first start) get the
    // accepted model with its first name and first range.
    applyModelChoice(settings_, completeModelChoice(currentModelChoice(settings_), settings_, true));
    observer_.closeAllEditors();
    settings_.setFirmwareVersion(kNewFirmware);
    ranges_.load(settings_);  // also gives the model values the band flags of the range
    currentPath_.clear();
    observer_.statusChanged();

    store_.clearLists();
    store_.loadDefaults(settings_.model());

    bool fromFile = false;
    const CCodeplugData::Image image = newImage(useDefaultFile, fromFile);
    if (fromFile) {
        observer_.closeAllEditors();
        store_.image() = image;
        store_.unpack();
    }
    // Either way the lists may now hold another number of records than the
    // tree shows (the factory defaults when no default file could be read).
    observer_.listCountsChanged();
    // Entries of the previous codeplug name records that no longer exist.
    invalid_.clear();
    observer_.titleChanged(currentPath_);
    markReplaced();
    return Outcome::success();
}

Outcome DocumentService::open(const std::string& path) { return openFile(path, false, 0); }

Outcome DocumentService::openRecent(std::size_t index)
{
    const std::string path = recent_.at(index);
    if (path.empty()) return Outcome::failure(MsgId::kRecentUnreadable, {path});
    return openFile(path, true, index);
}

Outcome DocumentService::openFile(const std::string& path, bool fromRecent, std::size_t recentIndex)
{
    // Everything is read and checked before anything changes, so a refused
    // file leaves the program describing the codeplug it still holds, under
    // the path it was opened from or saved to.
    auto refuse = [&](int message, std::string reason) {
        return Outcome::failure(message, {path, std::move(reason)});
    };

    CodeplugHeader header{};
    std::string reason;
    if (!CCodeplugFile::readHeader(path, header, &reason)) {
        if (fromRecent) {
            recent_.remove(recentIndex);
            observer_.recentFilesChanged();
        }
        return refuse(fromRecent ? MsgId::kRecentUnreadable : MsgId::kOpenUnreadable, reason);
    }
    lastHeader_ = header;

    const CodeplugHeaderFields fields = readHeaderFields(header);
    const LanguageFile& language = settings_.language();
    if (!language.isAcceptedIdentifier(fields.modelId) && !language.isSecondAcceptedIdentifier(fields.modelId))
        return refuse(MsgId::kModelNotAccepted, "model " + fields.modelId + " is not supported");

    if (compareFirmwarePrefix(header, "1.04") > 0)
        return refuse(fromRecent ? MsgId::kRecentTooNew : MsgId::kOpenTooNew, "firmware " + fields.firmware);

    CCodeplugData::Image image{};
    std::size_t count = 0;
    if (!CCodeplugFile::readImage(path, image, count, &reason)) return refuse(MsgId::kOpenUnreadable, reason);

    // Accepted: the file's model becomes the current one.
    applyHeaderToModel(header, settings_.model());
    settings_.setFirmwareVersion(fields.firmware);
    ranges_.load(settings_);

    // A short image block (accepted: such files exist) fills the leading
    // bytes of what New makes for the file's model, so the result never
    // depends on the codeplug that was open before.
    if (count < image.size()) {
        bool fromFile = false;
        CCodeplugData::Image base = newImage(true, fromFile);
        std::copy_n(image.begin(), count, base.begin());
        image = base;
    }

    currentPath_ = path;
    store_.image() = image;
    observer_.closeAllEditors();
    // Firmware before 1.02 left the DOS byte undefined.
    if (compareFirmwarePrefix(header, "1.02") < 0) store_.image()[kDosByte] = 0;
    store_.unpack();
    markReplaced();
    // Entries of the previous codeplug name records of a codeplug now gone.
    invalid_.clear();
    observer_.codeplugReplaced(currentPath_);
    if (!fromRecent) {
        recent_.add(path);
        observer_.recentFilesChanged();
    }
    return Outcome::success();
}

CodeplugHeader DocumentService::currentHeader()
{
    settings_.model().bandFlags = ranges_.bandFlags(settings_.freqRange());
    return makeCodeplugHeader(settings_.model(), settings_.firmwareVersion());
}

Outcome DocumentService::save()
{
    if (validate() != 0) return Outcome::failure(MsgId::kInvalidValues);
    if (!fileExists(currentPath_)) return saveAs();
    observer_.commitEditors();
    store_.pack();
    Outcome result = writeTo(currentPath_, "");
    if (result) markUnmodified();
    return result;
}

Outcome DocumentService::saveAs()
{
    if (validate() != 0) return Outcome::failure(MsgId::kInvalidValues);
    const CodeplugHeaderFields shown = readHeaderFields(currentHeader());
    const FileIdentity identity{shown.modelName,
                                std::to_string(shown.lowMHz) + " - " + std::to_string(shown.highMHz) + "MHz",
                                shown.firmware.substr(0, 7)};
    const auto target = prompt_.askSaveTarget(currentPath_, identity);
    if (!target || target->path.empty()) return cancelled();
    return saveAs(target->path, target->info);
}

Outcome DocumentService::saveAs(const std::string& path, const std::string& info)
{
    if (validate() != 0) return Outcome::failure(MsgId::kInvalidValues);
    observer_.commitEditors();
    store_.pack();
    // The path becomes the current one only once the file is written: after
    // a failure Save still writes where it wrote before.
    Outcome result = writeTo(path, info);
    if (!result) return result;
    currentPath_ = path;
    markUnmodified();
    observer_.titleChanged(currentPath_);
    recent_.add(path);
    observer_.recentFilesChanged();
    return result;
}

Outcome DocumentService::writeTo(const std::string& path, const std::string& info)
{
    CCodeplugFile file;
    if (!file.setHeader(currentHeader())) return Outcome::failure(MsgId::kSaveFailed, {path, "the header was refused"});
    return file.write(path, info, store_.image(), CCodeplugFile::EmptyInfo::KeepExisting);
}

Outcome DocumentService::settleChanges(int messageId)
{
    observer_.commitEditors();
    noteEdit();
    if (!isModified()) return Outcome::success();
    switch (prompt_.askSaveChanges(messageId, settings_.message(messageId))) {
    case SaveChoice::Discard: return Outcome::success();
    case SaveChoice::Save: return save();  // its failure (or cancel) stops the command
    case SaveChoice::Cancel: break;
    }
    return cancelled();
}

Outcome DocumentService::confirmReplace(PromptButtons buttons)
{
    observer_.commitEditors();
    noteEdit();
    // A modified codeplug: its save question is the confirmation.
    if (isModified()) return settleChanges(MsgId::kReplaceSaveQuestion);
    if (!prompt_.confirm(MsgId::kNewConfirm, settings_.message(MsgId::kNewConfirm), buttons)) return cancelled();
    return Outcome::success();
}

void DocumentService::noteEdit()
{
    if (!revision_.noteChange(store_)) return;
    history_.push(store_, revision_.current());
    observer_.modifiedChanged(isModified());
}

void DocumentService::noteHeaderChange()
{
    revision_.bump();
    observer_.modifiedChanged(true);
}

void DocumentService::markReplaced()
{
    markUnmodified();
    history_.reset(store_, revision_.current());
}

bool DocumentService::undo() { return stepHistory(true); }
bool DocumentService::redo() { return stepHistory(false); }

bool DocumentService::stepHistory(bool back)
{
    // What an editor still shows unsaved is a change of its own, undone first.
    observer_.commitEditors();
    noteEdit();
    const UndoHistory::Revision revision = back ? history_.undo(store_) : history_.redo(store_);
    if (revision == 0) return false;
    revision_.moveTo(revision, store_);
    // The invalid values are those of the state put back.
    invalid_.clear();
    checkReferences(store_, invalid_, [this](int id) { return settings_.caption(id); });
    observer_.recordsRestored();
    observer_.modifiedChanged(isModified());
    return true;
}

void DocumentService::markUnmodified()
{
    // A change an editor committed just now is a state of its own first.
    if (revision_.noteChange(store_)) history_.push(store_, revision_.current());
    revision_.markSaved(store_);
    // Saving numbers the state anew; undoing back to it is unmodified.
    history_.renumberCurrent(revision_.current());
    observer_.modifiedChanged(false);
}

void DocumentService::absorbRadioChanges()
{
    revision_.absorb(store_);
    history_.absorb(store_);
}
