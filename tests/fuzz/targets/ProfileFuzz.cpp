// INI text as Settings.ini, a language file or Model.dat could hold it.
// Input: section, key and value lines, then the file's bytes.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "settings/ProfileFile.h"

int fuzzProfile(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::string section = in.text();
    const std::string key = in.text();
    const std::string value = in.text();
    const std::string file = in.rest();

    ProfileFile f;
    f.parse(file);
    // Nothing was changed: the same bytes come back.
    FUZZ_CHECK(f.text() == file);
    (void)f.getString(section, key, "", ProfileBuffer::kLong);
    (void)f.getInt(section, key, 0);

    if (!f.setString(section, key, value)) {
        FUZZ_CHECK(f.text() == file);  // a refused write changes nothing
        return 0;
    }
    const std::string saved = f.text();
    ProfileFile again;
    again.parse(saved);
    FUZZ_CHECK(again.text() == saved);
    // Blanks around a value and a pair of quotes are not part of it when read.
    const bool plain = value.empty() ||
                       (value.front() != ' ' && value.front() != '\t' && value.back() != ' ' && value.back() != '\t' &&
                        !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()));
    if (plain) FUZZ_CHECK(again.find(section, key) == value);

    // Setting the same value again changes nothing.
    FUZZ_CHECK(again.setString(section, key, value));
    FUZZ_CHECK(again.text() == saved);
    return 0;
}
