// qav detect [--port P]: finds the radio (the given or configured port
// first, then ports 1-16) and prints what it says about itself.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "link/SessionSteps.h"
#include "model/BandBlock.h"

#include <algorithm>

namespace {

void runDetect(CliContext& ctx, RadioCliSession& session, const std::string&)
{
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    TransferResult r;
    if (!session.check("detect", SessionSteps::connectAndIdentify(link, sc, r))) return;
    link.close();
    const IdentityData& id = r.identity;
    BandBlock block{};
    std::copy_n(id.bandBlock.begin(), std::min(id.bandBlock.size(), block.size()), block.begin());
    const FreqRangeEntry band = decodeBandBlock(block);
    ctx.out << "Port:             " << printable(r.port) << '\n'
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
    addRadioVerb(app, ctx, "detect", "find the radio and print its identity", RadioFile::None, runDetect);
}
