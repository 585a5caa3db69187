#include "cli/CodeplugParts.h"

#include "model/CodeplugFile.h"
#include "settings/FileIO.h"
#include "settings/LanguageFile.h"
#include "settings/ProgramDirectory.h"


bool readCodeplugParts(const std::string& path, CodeplugContent& out, bool& completed, std::string& reason)
{
    if (!CCodeplugFile::readHeader(path, out.header, &reason)) return false;
    CCodeplugFile::readFileInformation(path, out.info);  // a file may have none
    std::size_t count = 0;
    ImageBytes image{};
    if (!CCodeplugFile::readImage(path, image, count, &reason)) return false;
    completed = count < image.size();
    if (completed) {
        out.image = defaultImageFor(out.header);
        std::copy_n(image.begin(), count, out.image.begin());
    } else {
        out.image = image;
    }
    return true;
}

bool writeCodeplugParts(const std::string& path, const CodeplugContent& content, std::string& reason)
{
    CCodeplugFile file;
    if (!file.setHeader(content.header)) {
        reason = "the header does not start with the header tag";
        return false;
    }
    return writeFileAtomically(path, file.serialize(content.info, content.image), &reason);
}

OptionNames englishOptionNames(const std::string& home, LanguageFile& english)
{
    english.load(withTrailingSlash(home.empty() ? programDirectory() : home) + "QAV_E.lng");
    return {[&english](int list, int value) { return english.textForValue(list, value); },
            [&english](int list, std::string_view text) { return english.valueForText(list, text); }};
}
