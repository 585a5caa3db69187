#include "app/AppRoot.h"

#include "app/BackupStore.h"

#include "app/DocumentService.h"
#include "app/RadioCommands.h"
#include "model/CCodeplugData.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsManager.h"

namespace {

std::unique_ptr<CSettingsManager> settingsOf(const std::string& programDir, const std::string& userDir)
{
    if (programDir.empty()) return std::make_unique<CSettingsManager>();
    const std::string home = withTrailingSlash(programDir);
    if (userDir.empty()) return std::make_unique<CSettingsManager>(home);
    return std::make_unique<CSettingsManager>(home, withTrailingSlash(userDir));
}

}  // namespace

AppRoot::AppRoot(const std::string& programDir, const std::string& userDir)
    : ownSettings_(settingsOf(programDir, userDir)),
      ownStore_(std::make_unique<CCodeplugData>()),
      settings_(ownSettings_.get()),
      store_(ownStore_.get())
{
}

AppRoot::AppRoot(CSettingsManager& settings, CCodeplugData& store) : settings_(&settings), store_(&store) {}

AppRoot::~AppRoot() = default;

void AppRoot::compose(IPrompt& prompt, IDocumentObserver& observer)
{
    if (composed()) return;
    prompt_ = &prompt;
    document_ = std::make_unique<DocumentService>(*settings_, *store_, prompt, observer);
    radio_ = std::make_unique<RadioCommands>(*document_, *store_, *settings_, prompt, observer);
    const std::string& userDir = settings_->locations().userDir();
    const std::string dataDir =
        userDir.empty() || userDir == userConfigDirectory() ? userDataDirectory() : withTrailingSlash(userDir);
    backups_ = std::make_unique<BackupStore>(dataDir.empty() ? std::string() : withTrailingSlash(dataDir + "backups"),
                                             settings_->backupLimit());
    radio_->setBackups(backups_.get());
}

void AppRoot::compose(IPrompt& prompt)
{
    if (!quietObserver_) quietObserver_ = std::make_unique<IDocumentObserver>();
    compose(prompt, *quietObserver_);
}

OutcomeText AppRoot::text(const Outcome& outcome) const
{
    return outcomeText(outcome, [this](int id) { return settings_->message(id); });
}
