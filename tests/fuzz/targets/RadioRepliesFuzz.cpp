// Radio replies as the input serves them, to every radio session. A cable
// carries each request to the simulated radio, and the input decides what
// comes back: the radio's own reply, that reply with one byte changed or
// cut short, bytes of the input instead, nothing, or a line error. Past
// the end of the input the radio's own replies come back, so a short input
// still reaches the end of a session.
// Input: session byte, password byte, then one choice per request.
#include "FuzzProgramDir.h"
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "link/DamagingTransport.h"
#include "link/ImageSessions.h"
#include "link/RadioLink.h"
#include "link/TuningSessions.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "sim/SimRadio.h"

#include <algorithm>

namespace {

// The input decides what each reply becomes: the radio's own, one byte
// changed, bytes of the input instead, cut short, nothing, or a line error.
ReplyDamage inputDamage(FuzzInput& in)
{
    return [&in](Proto::Bytes& reply) {
        switch (in.byte() % 6) {
        case 0: break;
        case 1: {
            const std::uint8_t at = in.byte();
            const std::uint8_t value = in.byte();
            if (!reply.empty()) reply[at % reply.size()] = value;
            break;
        }
        case 2: {
            const std::string bytes = in.bytes(in.byte());
            reply.assign(bytes.begin(), bytes.end());
            break;
        }
        case 3: reply.resize(reply.empty() ? 0 : in.byte() % reply.size()); break;
        case 4: reply.clear(); break;
        default: reply.clear(); return true;
        }
        return false;
    };
}

// Answers the password question with the radio's password, a wrong one or
// a cancel, as the input says.
struct InputPrompt : IPrompt {
    explicit InputPrompt(FuzzInput& in) : in_(in) {}
    bool confirm(int, const std::string&, PromptButtons) override { return in_.byte() & 1; }
    std::optional<std::string> askPassword(int) override
    {
        switch (in_.byte() % 3) {
        case 0: return std::string("1234");
        case 1: return std::string("99999999");
        default: return std::nullopt;
        }
    }
    FuzzInput& in_;
};

RadioImage patternImage()
{
    RadioImage image;
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 13 + 5);
    return image;
}

}  // namespace

int fuzzRadioReplies(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::uint8_t session = in.byte();
    const std::uint8_t options = in.byte();

    resetFuzzProgramDir();
    CSettingsManager settings(fuzzProgramDir(), fuzzProgramDir() + "user/");
    settings.setWriteOnDestruction(false);
    settings.loadStartupLanguage();

    SimRadio radio;
    SimRadio::Memory memory;
    for (std::size_t i = 0; i < memory.size(); ++i) memory[i] = static_cast<std::uint8_t>(i * 31 + 7);
    radio.setMemory(memory);
    if (options & 1) radio.setPassword("1234");

    DamagingOpener ports(radio, inputDamage(in));
    InputPrompt prompt(in);
    SessionContext ctx{ports, settings, prompt, "1", LinkTiming::fast(), [](int percent) {
                           FUZZ_CHECK(percent >= 0 && percent <= 100);
                       }};
    CRadioLink link(ports, LinkTiming::fast());

    RadioImage image = patternImage();
    const RadioImage before = image;
    const ModelValues model = settings.model();
    const std::string version = settings.firmwareVersion();
    const int port = settings.comPort();
    bool rangeChanged = false;
    switch (session % 9) {
    case 0:
        // A failed read leaves the image as it was.
        if (!readFromRadio(ctx, image).outcome) FUZZ_CHECK(image == before);
        break;
    case 1: (void)writeToRadio(ctx, image); break;
    case 2:
        if (!factoryRead(link, ctx, image).outcome) FUZZ_CHECK(image == before);
        break;
    case 3: (void)factoryWrite(link, ctx, image); break;
    case 4: (void)writeTuneSwitch(link, ctx, image); break;
    case 5: (void)writeTuneData(link, ctx, image); break;
    case 6: {
        std::uint8_t record[144];
        std::fill(std::begin(record), std::end(record), 0x5A);
        (void)readEmbeddedMessages(link, ctx, record, rangeChanged);
        break;
    }
    case 7: {
        std::uint8_t record[144] = {};
        (void)writeEmbeddedMessages(link, ctx, record, rangeChanged);
        break;
    }
    default: {
        // The adjustment screens: tuning mode, then register reads and
        // writes, accept or cancel, and the output controls.
        if (!openTuningConnection(link, ctx, Proto::Mode::Tuning).result.outcome) break;
        for (int i = 0; i < 8 && !in.empty(); ++i) {
            const std::uint16_t reg = in.u16();
            std::uint8_t value[2] = {in.byte(), in.byte()};
            switch (in.byte() % 4) {
            case 0: (void)link.readRegister(reg, value, sizeof value); break;
            case 1: (void)link.writeRegister(reg, value, sizeof value); break;
            case 2: (void)link.tuningMode(value[0] & 1); break;
            default: (void)link.output(value[0], value[1]); break;
            }
        }
        link.setMode(Proto::Mode::Leave);
        link.close();
        break;
    }
    }
    // A session reports what it learned; it never changes the settings.
    FUZZ_CHECK(settings.model().modelId == model.modelId && settings.model().modelName == model.modelName &&
               settings.model().freqRange == model.freqRange && settings.firmwareVersion() == version &&
               settings.comPort() == port);
    return 0;
}
