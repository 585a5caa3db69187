// Any bytes as a codeplug file: the readers of header, information text
// and image, then Open. A refused file leaves the codeplug and the model
// values as they were; an accepted one saves and reads back unchanged.
#include "FuzzProgramDir.h"
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "app/DocumentService.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "settings/TextIds.h"

#include <memory>

namespace {

struct NoPrompt : IPrompt {
    bool confirm(int, const std::string&, PromptButtons) override { return true; }
    std::optional<std::string> askPassword(int) override { return std::nullopt; }
};

}  // namespace

int fuzzCodeplugFile(const std::uint8_t* data, std::size_t size)
{
    const std::string path = writeScratchFile("input.dat", {reinterpret_cast<const char*>(data), size});

    CodeplugHeader header{};
    (void)CCodeplugFile::readHeader(path, header);
    std::string info;
    if (CCodeplugFile::readFileInformation(path, info)) FUZZ_CHECK(info.size() <= size);
    CCodeplugData::Image image;
    image.fill(0xA5);
    std::size_t count = 0;
    if (CCodeplugFile::readImage(path, image, count)) {
        FUZZ_CHECK(count <= image.size() && count <= size);
    } else {
        for (auto b : image) FUZZ_CHECK(b == 0xA5);
    }

    resetFuzzProgramDir();
    CSettingsManager settings(fuzzProgramDir(), fuzzProgramDir() + "user/");
    settings.setWriteOnDestruction(false);
    settings.loadStartupLanguage();
    auto store = std::make_unique<CCodeplugData>();
    store->setStampSource([] { return ProgrammingStamp{0, 0, 12, 1, 1, 26, 20, 0}; });
    NoPrompt prompt;
    IDocumentObserver observer;
    DocumentService doc(settings, *store, prompt, observer);
    (void)doc.resetForModel(false);

    const CCodeplugData::Image before = store->image();
    const ModelValues modelBefore = settings.model();
    const std::string firmwareBefore = settings.firmwareVersion();
    if (!doc.open(path)) {
        FUZZ_CHECK(store->image() == before);
        FUZZ_CHECK(settings.model().modelId == modelBefore.modelId);
        FUZZ_CHECK(settings.model().freqRange == modelBefore.freqRange);
        FUZZ_CHECK(settings.firmwareVersion() == firmwareBefore);
        FUZZ_CHECK(doc.currentPath().empty());
        return 0;
    }

    // Save As packs the sections; what it wrote reads back as that image.
    // Only invalid values may stop it.
    const std::string copy = fuzzScratchDir() + "copy.dat";
    const Outcome savedAs = doc.saveAs(copy, "fuzz");
    if (!savedAs) {
        FUZZ_CHECK(savedAs.message == MsgId::kInvalidValues);
        return 0;
    }
    CCodeplugData::Image saved{};
    std::size_t savedCount = 0;
    FUZZ_CHECK(CCodeplugFile::readImage(copy, saved, savedCount));
    FUZZ_CHECK(savedCount == saved.size());
    FUZZ_CHECK(saved == store->image());
    return 0;
}
