#pragma once
// The composition root: the objects both programs and the tests share,
// built in one place and in one order. It holds the settings of the program
// directory (its own, or the ones it is given), the section store, the
// document procedures and the radio commands. The front end lends its
// prompt and its observer: dialogs and windows in the desktop program, the
// terminal in the command-line tool, scripted answers in tests.
#include "app/OutcomeText.h"

#include <memory>
#include <string>

class BackupStore;
class CCodeplugData;
class CSettingsManager;
class DocumentService;
class IDocumentObserver;
class IPrompt;
class RadioCommands;

class AppRoot {
public:
    // Settings read from `programDir` and `userDir` (empty: the program
    // directory and the user's configuration folder) and a store of its own.
    explicit AppRoot(const std::string& programDir = {}, const std::string& userDir = {});
    // The given settings and store, which must outlive this.
    AppRoot(CSettingsManager& settings, CCodeplugData& store);
    ~AppRoot();
    AppRoot(const AppRoot&) = delete;
    AppRoot& operator=(const AppRoot&) = delete;

    // Builds the document procedures and the radio commands on the front
    // end's prompt and observer, which must outlive this. Once.
    void compose(IPrompt& prompt, IDocumentObserver& observer);
    // The same without windows: an observer that does nothing.
    void compose(IPrompt& prompt);
    bool composed() const { return document_ != nullptr; }

    CSettingsManager& settings() const { return *settings_; }
    CCodeplugData& store() const { return *store_; }
    IPrompt& prompt() const { return *prompt_; }
    DocumentService& document() const { return *document_; }
    RadioCommands& radio() const { return *radio_; }
    // The radio transfers' backups: in the user's data folder, or beside the
    // settings when they live in a folder of their own (tests, --home runs).
    BackupStore& backups() const { return *backups_; }

    // An outcome in the current language.
    OutcomeText text(const Outcome& outcome) const;

private:
    std::unique_ptr<CSettingsManager> ownSettings_;
    std::unique_ptr<CCodeplugData> ownStore_;
    std::unique_ptr<IDocumentObserver> quietObserver_;
    CSettingsManager* settings_;
    CCodeplugData* store_;
    IPrompt* prompt_ = nullptr;
    std::unique_ptr<DocumentService> document_;
    std::unique_ptr<RadioCommands> radio_;
    std::unique_ptr<BackupStore> backups_;
};
