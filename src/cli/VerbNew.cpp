// qav new [--factory] -o FILE [--model-id ID --model-name NAME --range LO-HI
// --signal N]: New for the current model (Settings.ini, overridden by the
// options), saved to FILE with Save As. Without --factory the model's
// default codeplug file is used when it can be read, as New does.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/CliContext.h"
#include "cli/CliDocument.h"
#include "cli/TextOut.h"
#include "cli/Verbs.h"
#include "model/CodeplugFileHeader.h"
#include "model/ModelFile.h"

namespace {

constexpr int kAcceptedModelId = 610;  // identifier text of the supported model

struct NewOptions {
    bool factory = false;
    std::string out;
    std::optional<std::string> modelId, modelName, range;
    std::optional<int> signal;
};

// The model to create for: Settings.ini's current one, each value replaced
// by its option; a program directory without Settings.ini gives the model
// the language file accepts, its first name and first range in Model.dat.
void chooseModel(CliDocument& d, const NewOptions& opt)
{
    CSettingsManager& s = d.settings;
    if (opt.modelId && *opt.modelId != s.modelId()) {
        // Another model: its name and range come from the options or Model.dat.
        s.setModelId(*opt.modelId);
        s.setModelName("");
        s.setFreqRange("");
    }
    if (s.modelId().empty()) s.setModelId(s.identifier(kAcceptedModelId));
    CModelFile models(s.modelDatPath(), s.modelId(), s.modelName(), s.freqRange(), s.signal());
    if (opt.modelName) s.setModelName(*opt.modelName);
    if (s.modelName().empty()) {
        for (const auto& [id, name] : models.modelNames())
            if (id == s.modelId()) {
                s.setModelName(name);
                break;
            }
        if (s.modelName().empty()) s.setModelName(s.modelId());
    }
    if (opt.range) s.setFreqRange(*opt.range);
    if (s.freqRange().empty()) {
        FreqRangeEntry first{};
        s.setFreqRange(models.readEntry(0, first) ? std::to_string(first.low) + "-" + std::to_string(first.high)
                                                  : std::string("136-174"));
    }
    if (opt.signal) s.setSignal(*opt.signal);
}

void runNew(CliContext& ctx, const NewOptions& opt)
{
    auto d = std::make_unique<CliDocument>(ctx.home);
    chooseModel(*d, opt);
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
    auto opt = std::make_shared<NewOptions>();
    CLI::App* sub = app.add_subcommand("new", "create a new codeplug file for the current model");
    sub->add_flag("--factory", opt->factory, "use the built-in factory defaults, not the model's default codeplug file");
    sub->add_option("-o,--output", opt->out, "codeplug file to write")->required();
    sub->add_option("--model-id", opt->modelId, "model identifier (default: Settings.ini)")->check(checkHeaderText, "TEXT");
    sub->add_option("--model-name", opt->modelName, "model name (default: Settings.ini)")->check(checkHeaderText, "TEXT");
    sub->add_option("--range", opt->range, "frequency range LO-HI in MHz (default: Settings.ini)")->check(checkRange, "LO-HI");
    sub->add_option("--signal", opt->signal, "signalling value (default: Settings.ini)")->check(CLI::Range(0, 255));
    sub->callback([&ctx, opt] { runNew(ctx, *opt); });
}
