// qav new [--factory] -o FILE [--model-id ID --model-name NAME --range LO-HI
// --signal N]: New for the current model (Settings.ini, overridden by the
// options), saved to FILE with Save As. Without --factory the model's
// default codeplug file is used when it can be read, as New does.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/ModelSelection.h"
#include "cli/CliContext.h"
#include "cli/CliDocument.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "model/CodeplugFileHeader.h"

namespace {

struct NewOptions {
    bool factory = false;
    std::string out;
    std::optional<std::string> modelId, modelName, range;
    std::optional<int> signal;
};

// The model to create for: Settings.ini's current one, each value replaced
// by its option; another identifier takes its name and range from the
// options or the model database.
void chooseModel(CSettingsManager& s, const NewOptions& opt)
{
    ModelChoice chosen = currentModelChoice(s);
    if (opt.modelId && *opt.modelId != chosen.modelId) chosen = {*opt.modelId, "", "", chosen.signal};
    if (opt.modelName) chosen.modelName = *opt.modelName;
    if (opt.range) chosen.freqRange = *opt.range;
    if (opt.signal) chosen.signal = *opt.signal;
    applyModelChoice(s, completeModelChoice(chosen, s, true));
}

void runNew(CliContext& ctx, const NewOptions& opt)
{
    auto d = std::make_unique<CliDocument>(ctx.home);
    chooseModel(d->settings, opt);
    if (!d->check(ctx, "new", d->doc.resetForModel(!opt.factory))) return;
    if (!d->check(ctx, "new", d->doc.saveAs(opt.out, ""))) return;
    const ModelValues& m = d->settings.model();
    ctx.out << "wrote " << printable(opt.out) << ": " << printable(m.modelName) << " (" << printable(m.modelId)
            << "), " << m.freqRange << "MHz\n";
}

// "LO-HI" in whole MHz with 0 < LO < HI < 1000 (frequencies stay below 1000 MHz).
std::string checkRange(const std::string& text)
{
    int lo = 0, hi = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d%c", &lo, &hi, &tail) != 2 || lo <= 0 || hi <= lo || hi >= 1000)
        return "expected LO-HI in whole MHz, 0 < LO < HI < 1000";
    return {};
}

std::string checkHeaderText(const std::string& text)
{
    if (text.empty() || text.size() > HeaderField::kTextSize) return "expected 1 to 16 characters";
    return {};
}

}  // namespace

void addNewVerb(CLI::App& app, CliContext& ctx)
{
    auto declare = [](CLI::App& sub, NewOptions& o) {
        sub.add_flag("--factory", o.factory, "use the built-in factory defaults, not the model's default codeplug file");
        sub.add_option("-o,--output", o.out, "codeplug file to write")->required();
        sub.add_option("--model-id", o.modelId, "model identifier (default: Settings.ini)")->check(checkHeaderText, "TEXT");
        sub.add_option("--model-name", o.modelName, "model name (default: Settings.ini)")->check(checkHeaderText, "TEXT");
        sub.add_option("--range", o.range, "frequency range LO-HI in MHz (default: Settings.ini)")->check(checkRange, "LO-HI");
        sub.add_option("--signal", o.signal, "signalling value (default: Settings.ini)")->check(CLI::Range(0, 255));
    };
    addVerb<NewOptions>(app, ctx, "new", "create a new codeplug file for the current model", declare, runNew);
}
