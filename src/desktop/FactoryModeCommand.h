#pragma once
// Program > Factory Mode: the dialog starts from the codeplug's factory
// settings; its Read, Write and Write Tune Switch sessions run on the
// dialog's worker with a session context made on the window's thread. What
// a session learned (the port, a read's range) is taken over at once; when
// the dialog closes having read, written or changed anything, the editors
// close and the values go into the codeplug and the current model values.
#include "app/FactoryModeTakeover.h"

#include <functional>
#include <memory>
#include <optional>

class CCodeplugData;
class CSettingsManager;
class DocumentService;
class IFrameHost;
class IPrompt;
class QWidget;
struct SessionContext;

struct FactoryModeParts {
    const IFrameHost& host;
    QWidget* parent;
    CSettingsManager& settings;
    CCodeplugData& store;
    DocumentService& document;
    IPrompt& prompt;
    std::function<std::shared_ptr<SessionContext>()> sessionContext;
    std::function<void(int)> help;
    // Called before anything is taken over: the editors close (they hold
    // the records the values go into).
    std::function<void()> closeEditors;
};

// nullopt when the dialog closed with nothing to hand over.
std::optional<FactoryTakeover> runFactoryMode(const FactoryModeParts& parts);
