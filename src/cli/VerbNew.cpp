// qav new [--factory] -o FILE [--model-id ID --model-name NAME --range LO-HI
// --signal N]: a new codeplug for a model, saved to FILE. With --factory the
// built-in factory defaults are used; otherwise the model's default codeplug
// file in the program directory, when it can be read, as New does.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/CliContext.h"
#include "cli/TextOut.h"
#include "cli/Verbs.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"
#include "model/ProgrammingStamp.h"
#include "model/MemoryMap.h"
#include "model/RadioInfoRecord.h"
#include "model/RangeList.h"
#include "settings/ModelValues.h"
#include "settings/ProgramDirectory.h"

namespace {

// The model a new codeplug is made for until the tool reads Settings.ini.
constexpr const char* kDefaultModelId = "QAV-E";
constexpr const char* kDefaultModelName = "QA-100";
constexpr const char* kDefaultRange = "136-174";
constexpr const char* kNewFirmware = "1.04.07";  // the firmware text New sets

struct NewOptions {
    bool factory = false;
    std::string out;
    ModelValues model{kDefaultModelId, kDefaultModelName, kDefaultRange, 0};
};

void runNew(CliContext& ctx, NewOptions opt)
{
    // The band flags of the model's range, as the model database lists them
    // (0 when the range is not listed; the default 136-174 entry, 0x80, when
    // the model has no readable ranges).
    const ConfigLocations where(withTrailingSlash(ctx.home.empty() ? "." : ctx.home), userConfigDirectory());
    RangeList ranges;
    ranges.load(where.readPath("Model.dat"), opt.model.modelId);
    opt.model.bandFlags = ranges.bandFlags(opt.model.freqRange);

    auto store = std::make_unique<CCodeplugData>();
    store->loadDefaults(opt.model);
    std::string source = "factory defaults";
    if (!opt.factory) {
        const std::string path = where.programFile(opt.model.modelId + opt.model.freqRange + "DefaultSet.dat");
        std::size_t count = 0;
        if (CCodeplugFile::readImage(path, store->image(), count)) {
            const ProgrammingStamp stamp = programmingStampNow();
            const Offset at = mapEntry(Section::RadioInfo).image + RadioInfoField::Stamp;  // image 32-39
            std::copy(stamp.begin(), stamp.end(), store->image().begin() + static_cast<std::ptrdiff_t>(at));
            store->unpack();
            source = path;
        }
    }
    store->pack();

    CCodeplugFile file;
    file.setHeader(makeCodeplugHeader(opt.model, kNewFirmware));
    if (!ctx.check("new", file.write(opt.out, "", store->image(), CCodeplugFile::EmptyInfo::WriteEmpty))) return;
    ctx.out << "wrote " << printable(opt.out) << ": " << printable(opt.model.modelName) << " ("
            << printable(opt.model.modelId) << "), " << opt.model.freqRange << "MHz, from " << printable(source)
            << '\n';
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
    CLI::App* sub = app.add_subcommand("new", "create a new codeplug file for a model");
    sub->add_flag("--factory", opt->factory, "use the built-in factory defaults, not the model's default codeplug file");
    sub->add_option("-o,--output", opt->out, "codeplug file to write")->required();
    sub->add_option("--model-id", opt->model.modelId, "model identifier")->check(checkHeaderText, "TEXT")->capture_default_str();
    sub->add_option("--model-name", opt->model.modelName, "model name")->check(checkHeaderText, "TEXT")->capture_default_str();
    sub->add_option("--range", opt->model.freqRange, "frequency range LO-HI in MHz")->check(checkRange, "LO-HI")->capture_default_str();
    sub->add_option("--signal", opt->model.signal, "signalling value")->check(CLI::Range(0, 255))->capture_default_str();
    sub->callback([&ctx, opt] { runNew(ctx, *opt); });
}
