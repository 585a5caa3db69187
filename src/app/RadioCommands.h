#pragma once
// Read from Radio, Write to Radio and Write Tune Data: the radio sessions
// wrapped with what the document does before and after them.
//
// Each command is split where a front end hands the session to a worker
// thread: prepare (on the user-interface thread), the session (any thread),
// finish (back on the user-interface thread). The session changes nothing
// of the program's; finish takes over what it learned about the radio. The
// run* helpers do all three in turn, for the command-line tool and the
// tests.
#include "app/BackupStore.h"
#include "app/DocumentObserver.h"
#include "link/ImageSessions.h"
#include "link/TuningSessions.h"
#include "model/NewRangeOffer.h"
#include "settings/Outcome.h"

#include <cstdint>
#include <span>

class CCodeplugData;
class CSettingsManager;
class DocumentService;
class IPrompt;

class RadioCommands {
public:
    RadioCommands(DocumentService& document, CCodeplugData& store, CSettingsManager& settings, IPrompt& prompt,
                  IDocumentObserver& observer);

    // Read from Radio. The store and the current radio values change only
    // when the whole image arrived: then the radio becomes the current one,
    // the path is emptied, the radio's band is offered as a new range
    // (against the ranges of the radio's model), the editors are closed and
    // the image unpacked. A read that failed, or never ran, changes nothing
    // but the configured port.
    Outcome finishRead(const TransferResult& result, const RadioImage& image);
    Outcome runRead(SessionContext& ctx);

    // Write to Radio. prepareWrite validates (814 when values are invalid),
    // commits the editors and packs; `image` is what the session sends.
    Outcome prepareWrite(RadioImage& image);
    // After a write that worked, the radio's firmware version is the current
    // one and the radio information section is read again from the image,
    // which now holds the programming stamp.
    Outcome finishWrite(const TransferResult& result, const RadioImage& image);
    Outcome runWrite(SessionContext& ctx);

    // Write Tune Data: the tune-data section alone is copied into the store's
    // image and `image`; the session writes its 17 blocks. After a radio was
    // accepted it is the current radio: its band is offered as a new range,
    // the editors are closed and the model and status displays refreshed
    // (whether or not its blocks were then written).
    void prepareTuneData(RadioImage& image);
    Outcome finishTuneData(const TuningConnection& connection);
    // All three on the program's shared link.
    Outcome runWriteTuneData(CRadioLink& link, SessionContext& ctx);

    // Adjustment, after the tuning connection in mode 6: an accepted radio
    // becomes the current radio as with Write Tune Data, and when its band
    // differed from the current range the band sections are reset to the
    // defaults of the radio's range and the image rebuilt.
    Outcome finishAdjustment(const TuningConnection& connection);
    // The tune sub-item dialog's OK, once the radio kept its values: the
    // dialog's tune-data area replaces the store's (a change to save).
    void keepTuneData(std::span<const std::uint8_t> tuneData);

    // What the last new-range offer came to (a database that could not be
    // written is for the front end to say).
    const NewRangeOffer& lastRangeOffer() const { return lastOffer_; }

    // Where every image read from a radio (before finishRead returns) and
    // every image about to be written (in prepareWrite) is kept; none when
    // null. A backup that fails never changes the transfer's outcome: the
    // front end reports lastBackup().
    void setBackups(BackupStore* backups) { backups_ = backups; }
    const BackupResult& lastBackup() const { return lastBackup_; }

private:
    void offerBand(const FreqRangeEntry& band);
    void keepBackup(const char* kind, const RadioImage& image);

    DocumentService& document_;
    CCodeplugData& store_;
    CSettingsManager& settings_;
    IPrompt& prompt_;
    IDocumentObserver& observer_;
    NewRangeOffer lastOffer_;
    BackupStore* backups_ = nullptr;
    BackupResult lastBackup_;
};
