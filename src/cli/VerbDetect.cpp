// qav detect [--port P]: finds the radio (the given or configured port
// first, then ports 1-16) and prints what it says about itself.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/Verbs.h"
#include "link/SessionSteps.h"
#include "model/BandBlock.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace {

void runDetect(CliContext& ctx, const RadioOptions& opt)
{
    RadioCliSession session(ctx, opt);
    if (!session.ready("detect")) return;
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    IdentityData id;
    if (!session.check("detect", SessionSteps::connectAndIdentify(link, sc, id))) return;
    const std::string port = link.portName();
    link.close();
    BandBlock block{};
    std::copy_n(id.bandBlock.begin(), std::min(id.bandBlock.size(), block.size()), block.begin());
    const FreqRangeEntry band = decodeBandBlock(block);
    ctx.out << "Port:             " << printable(port) << '\n'
            << "Model name:       " << (id.haveModelName ? printable(id.modelName) : "(not read)") << '\n'
            << "Product:          " << printable(id.productId) << '\n'
            << "Firmware version: " << printable(id.firmwareVersion)
            << (id.versionCompare == 0 ? "" : " (major version not supported)") << '\n'
            << "Band:             " << (id.haveBand ? rangeText(band) + " MHz, flags " + hexByte(band.flags) : "(not read)") << '\n'
            << "Option byte:      " << (id.haveOption ? hexByte(static_cast<std::uint8_t>(id.optionByte)) : "(not read)") << '\n';
}

}  // namespace

void addDetectVerb(CLI::App& app, CliContext& ctx)
{
    auto opt = std::make_shared<RadioOptions>();
    CLI::App* sub = app.add_subcommand("detect", "find the radio and print its identity");
    addRadioOptions(*sub, *opt);
    sub->callback([&ctx, opt] { runDetect(ctx, *opt); });
}
