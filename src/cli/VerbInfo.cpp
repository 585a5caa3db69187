// qav info FILE [--json]: the header fields and the information text.
#include <CLI/CLI.hpp>
#include <array>

#include "cli/CliContext.h"
#include "cli/CodeplugDump.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "model/CodeplugFile.h"

namespace {

void runInfo(CliContext& ctx, const FileOptions& opt)
{
    CodeplugHeader header{};
    std::string reason;
    if (!CCodeplugFile::readHeader(opt.file, header, &reason)) {
        ctx.fail("info", opt.file + ": " + reason);
        return;
    }
    std::string info;
    CCodeplugFile::readFileInformation(opt.file, info);  // no text is not an error
    std::array<std::uint8_t, CodeplugFormat::kImageSize> image{};
    std::size_t count = 0;
    std::string imageReason;
    const bool imageOk = CCodeplugFile::readImage(opt.file, image, count, &imageReason);

    if (opt.json) {
        nlohmann::ordered_json j{{"file", opt.file}};
        j.update(headerJson(header));
        j["information"] = info;
        j["image_bytes"] = imageOk ? nlohmann::ordered_json(count) : nlohmann::ordered_json(nullptr);
        ctx.out << jsonText(j) << '\n';
    } else {
        const CodeplugHeaderFields f = readHeaderFields(header);
        ctx.out << "File:             " << printable(opt.file) << '\n'
                << "Model ID:         " << printable(f.modelId) << '\n'
                << "Model name:       " << printable(f.modelName) << '\n'
                << "Frequency range:  " << f.lowMHz << " - " << f.highMHz << "MHz\n"
                << "Firmware version: " << printable(f.firmware) << '\n'
                << "Format version:   " << printable(f.formatVersion) << '\n'
                << "Band flags:       " << hexByte(f.bandFlags) << '\n'
                << "Signal:           " << static_cast<int>(f.signal) << '\n'
                << "Information:      " << printable(info) << '\n'
                << "Image:            " << (imageOk ? std::to_string(count) + " bytes" : "unreadable") << '\n';
    }
    if (!imageOk) ctx.fail("info", opt.file + ": " + imageReason);
}

}  // namespace

void addInfoVerb(CLI::App& app, CliContext& ctx)
{
    addFileVerb(app, ctx, "info", "show a codeplug file's header and information text", "codeplug file",
                "print the fields as JSON", runInfo);
}
