#include "app/ChannelReplace.h"

#include "model/CCodeplugData.h"

std::vector<std::string> replaceChannels(CCodeplugData& store, const std::vector<Record>& channels)
{
    std::vector<std::string> mended;
    while (store.deleteChannel(0)) {
    }
    for (const Record& r : channels) store.appendChannel(r);
    const unsigned count = static_cast<unsigned>(store.channels.size());
    auto gone = [count](unsigned number) { return number < 1 || number > count; };

    for (std::size_t s = 0; s < store.scanLists.size(); ++s) {
        Record& scan = store.scanLists[s].record;
        const std::string where = "scan list " + std::to_string(s + 1) + ": ";
        const int used = std::min<int>(scan.u8(ScanField::Entries), ScanField::kMemberCount);
        std::vector<std::uint16_t> kept;
        for (int k = 0; k < used; ++k) {
            const std::uint16_t number = scan.u16(ScanField::member(k));
            if (gone(number)) mended.push_back(where + "member " + std::to_string(k + 1) + " (channel " +
                                               std::to_string(number) + ") dropped: no such channel now");
            else kept.push_back(number);
        }
        if (kept.empty()) kept.push_back(1);  // a scan list scans at least one channel
        for (std::size_t k = 0; k < kept.size(); ++k) scan.setU16(ScanField::member(static_cast<int>(k)), kept[k]);
        scan.setU8(ScanField::Entries, static_cast<std::uint8_t>(kept.size()));
        for (const auto& [field, name] : {std::pair{ScanField::DesignatedChannel, "designated"},
                                          std::pair{ScanField::PriorityChannel, "priority"},
                                          std::pair{ScanField::ThirdChannel, "third"}}) {
            const unsigned number = scan.u16(field);
            if (!gone(number)) continue;
            scan.setU16(field, 1);
            mended.push_back(where + name + " channel " + std::to_string(number) + " is now channel 1");
        }
    }
    for (std::size_t c = 0; c < store.twoToneCalls.size(); ++c) {
        Record& call = store.twoToneCalls[c].record;
        const unsigned number = call.u16le(TwoToneCallField::RevertChannel);
        if (number == 0 || !gone(number)) continue;
        call.setU16le(TwoToneCallField::RevertChannel, 1);
        mended.push_back("two-tone call " + std::to_string(c + 1) + ": revert channel " + std::to_string(number) +
                         " is now channel 1");
    }
    store.resolveLinks();
    return mended;
}
