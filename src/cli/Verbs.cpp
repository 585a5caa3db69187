#include "cli/Verbs.h"

void addAllVerbs(CLI::App& app, CliContext& ctx)
{
    addNewVerb(app, ctx);
    addInfoVerb(app, ctx);
    addDumpVerb(app, ctx);
    addRepackVerb(app, ctx);
    addValidateVerb(app, ctx);
    addDiffVerb(app, ctx);
    addReportVerb(app, ctx);
    addDetectVerb(app, ctx);
    addReadVerb(app, ctx);
    addWriteVerb(app, ctx);
    addWriteTuneVerb(app, ctx);
    addMessageVerb(app, ctx);
    addTuneVerb(app, ctx);
    addFactoryVerb(app, ctx);
    addSimVerb(app, ctx);
    addJsonVerbs(app, ctx);
    addCsvVerbs(app, ctx);
    addBackupsVerb(app, ctx);
}
