// qav factory read [--port P] [-o FILE.json]: the radio's Factory Mode
// settings as JSON, by field name, into FILE or on stdout.
// qav factory write [--port P] FILE.json: writes them to the radio. The
// radio's settings are read first, so a field the file leaves out keeps the
// radio's value and the bits no field names stay as they are; the file is
// checked against the Factory Mode limits and every bad field is named.
#include "app/FactoryFormJson.h"
#include "app/FactoryModeImage.h"
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "link/TuningSessions.h"
#include "settings/FileIO.h"

#include <optional>

namespace {

struct FactoryOptions {
    RadioOptions radio;
    std::string file;
};

struct RadioFactory {
    RadioImage image{};
    FactorySettingsForm form;
    IdentityData identity;
};

// The factory blocks as the radio holds them; the rest of the image is the
// session's own codeplug.
std::optional<RadioFactory> readFactory(RadioCliSession& session, const std::string& verb)
{
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    CCodeplugData& store = session.store();
    store.pack();
    RadioFactory got;
    std::copy(store.image().begin(), store.image().end(), got.image.begin());
    const TransferResult r = factoryRead(link, sc, got.image);
    if (!session.check(verb, r.outcome)) return std::nullopt;
    got.form = factoryFormOfImage(got.image, r.bandWordsRange);
    got.identity = r.identity;
    return got;
}

void runRead(CliContext& ctx, const FactoryOptions& opt)
{
    const std::string verb = "factory read";
    RadioCliSession session(ctx, opt.radio);
    if (!session.ready(verb)) return;
    const auto got = readFactory(session, verb);
    if (!got) return;
    const std::string text = factoryFormToJson(got->form, got->identity.firmwareVersion).dump(2) + "\n";
    if (opt.file.empty()) {
        ctx.out << text;
        return;
    }
    std::string reason;
    if (!writeFileAtomically(opt.file, text, &reason)) {
        ctx.fail(verb, reason);
        return;
    }
    ctx.out << "read the Factory Mode settings on port " << printable(session.context().port) << " into "
            << printable(opt.file) << '\n';
}

// Says every error of the file; true when there was none.
bool reportErrors(CliContext& ctx, const std::string& verb, const std::string& file,
                  const std::vector<std::string>& errors)
{
    for (const std::string& e : errors) ctx.fail(verb, printable(file) + ": " + printable(e));
    return errors.empty();
}

// A form every limit accepts: what the file gives is checked against it
// before the radio is asked for its own values.
FactorySettingsForm acceptableForm()
{
    FactorySettingsForm f;
    f.modelName = "-";
    f.rangeId = "0";
    f.rangeLow = f.rangeHigh = "100";
    f.pllFrequency = f.rxMiddleFrequency = "10";
    return f;
}

void runWrite(CliContext& ctx, const FactoryOptions& opt)
{
    const std::string verb = "factory write";
    std::string text;
    if (!readWholeFile(opt.file, text)) {
        ctx.fail(verb, "cannot read " + printable(opt.file));
        return;
    }
    const nlohmann::json doc = nlohmann::json::parse(text, nullptr, false);
    if (doc.is_discarded()) {
        ctx.fail(verb, printable(opt.file) + ": not JSON");
        return;
    }
    if (!reportErrors(ctx, verb, opt.file, factoryFormFromJson(doc, acceptableForm()).errors)) return;

    RadioCliSession session(ctx, opt.radio);
    if (!session.ready(verb)) return;
    auto got = readFactory(session, verb);
    if (!got) return;
    const FactoryJsonImport merged = factoryFormFromJson(doc, got->form);
    // The radio's own values may break a limit the file does not mend.
    if (!reportErrors(ctx, verb, opt.file, merged.errors)) return;
    ProfileFile volume;
    volume.load(session.settings().programDir() + "volume.ini");
    // The radio keeps its own product identifier in the model identifier bytes.
    storeFactoryFormInImage(got->image, merged.form, got->identity.productId, volume);

    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    const TransferResult r = factoryWrite(link, sc, got->image);
    if (!session.check(verb, r.outcome)) return;
    ctx.out << "wrote the Factory Mode settings of " << printable(opt.file) << " on port " << printable(sc.port)
            << '\n';
}

}  // namespace

void addFactoryVerb(CLI::App& app, CliContext& ctx)
{
    CLI::App* factory = app.add_subcommand("factory", "read or write the radio's Factory Mode settings (JSON)");
    factory->require_subcommand(1);
    addVerb<FactoryOptions>(
        *factory, ctx, "read", "read the Factory Mode settings from the radio",
        [](CLI::App& sub, FactoryOptions& o) {
            sub.add_option("-o,--output", o.file, "JSON file to write (default: standard output)");
            addRadioOptions(sub, o.radio);
        },
        runRead);
    addVerb<FactoryOptions>(
        *factory, ctx, "write", "write the Factory Mode settings of a JSON file to the radio",
        [](CLI::App& sub, FactoryOptions& o) {
            sub.add_option("FILE", o.file, "JSON file as factory read writes it; fields left out keep the radio's values")
                ->required();
            addRadioOptions(sub, o.radio);
        },
        runWrite);
}
