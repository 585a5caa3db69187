#include "desktop/WriteSeveralCommand.h"

#include "app/RadioCommands.h"
#include "desktop/GuiPortOpener.h"
#include "frame/CDlgWriteSeveral.h"
#include "frame/FrameTextIds.h"
#include "frame/LangText.h"
#include "link/PortList.h"

namespace {

std::vector<CDlgWriteSeveral::PortChoice> portChoices(const IFrameHost& host)
{
    std::vector<CDlgWriteSeveral::PortChoice> choices;
    const std::vector<std::string> devices = PortList::devices();
    for (std::size_t i = 0; i < devices.size() && i < static_cast<std::size_t>(PortList::kLastPort); ++i) {
        const std::string number = std::to_string(i + 1);
        choices.push_back({number, QString::fromStdString(number + "   " + devices[i])});
    }
    choices.push_back({"sim", "sim   " + LangText::message(host, MsgId::kGangSimPort, QObject::tr("the simulated radio"))});
    return choices;
}

}  // namespace

bool writeToSeveralRadios(const WriteSeveralParts& parts)
{
    RadioImage image{};
    GuiPortOpener& window = parts.ports;
    auto openers = [&window](const std::string& port) -> std::unique_ptr<IPortOpener> {
        // The window's opener holds the simulated radio; it is lent to the
        // one session that writes to it.
        if (port == "sim") return std::make_unique<OnePortOpener>(window, port);
        return std::make_unique<SerialPortOpener>();
    };
    const CSettingsManager& settings = parts.settings;
    CDlgWriteSeveral dlg(parts.host, portChoices(parts.host),
                         [&](const std::vector<std::string>& ports,
                             const std::string& password) -> std::unique_ptr<GangWrite> {
                             // Validated, packed and backed up when Write is pressed, as
                             // Write to Radio does.
                             const Outcome prepared = parts.radio.prepareWrite(image);
                             if (!prepared) {
                                 parts.show(prepared);
                                 return nullptr;
                             }
                             auto gang = std::make_unique<GangWrite>(openers);
                             gang->start(ports, image, settings, password);
                             return gang;
                         },
                         parts.parent);
    QObject::connect(&dlg, &CDlgWriteSeveral::helpRequested, parts.parent, [&parts](int id) { parts.help(id); });
    dlg.exec();
    // The first radio written, in the first batch that wrote one, gives the
    // program its stamp.
    for (const GangWrite* gang : dlg.batches())
        if (takeOverFirstWritten(*gang, parts.radio)) return true;
    return false;
}
