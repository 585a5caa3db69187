// Any bytes as a language file: every lookup, every list definition both
// ways and every message used as a format. A definition that is one range
// item showing its numbers exactly must map each shown text to its value
// and back.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "settings/LanguageFile.h"
#include "settings/TextFormat.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace {

// The (family digit, id) of every key of the form S0<f><5 digits>.
std::set<std::pair<int, int>> keysIn(std::string_view text)
{
    std::set<std::pair<int, int>> keys;
    for (std::size_t at = text.find("S0"); at != std::string_view::npos && at + 8 <= text.size();
         at = text.find("S0", at + 1)) {
        bool digits = true;
        for (std::size_t i = at + 2; i < at + 8; ++i) digits = digits && std::isdigit(static_cast<unsigned char>(text[i]));
        if (digits) keys.emplace(text[at + 2] - '0', std::atoi(std::string(text.substr(at + 3, 5)).c_str()));
        if (keys.size() >= 64) break;
    }
    return keys;
}

// Whether the rule shows number n exactly, so its text reads back as n.
bool showsExactly(const RangeRule& r, long long n)
{
    if (r.decimals < 0 || r.decimals > 6) return false;
    // Shown integers are read back as "%d" reads them: within int.
    if (r.decimals == 0 && (n / r.divisor > INT_MAX || n / r.divisor < INT_MIN)) return false;
    long long scaled = n;
    for (int i = 0; i < r.decimals; ++i) scaled *= 10;
    return scaled % r.divisor == 0;
}

void checkSingleRange(std::string_view definition)
{
    auto items = splitListItems(definition);
    if (items.size() != 1 || classifyListItem(items[0]) != ListItemKind::Range) return;
    const RangeRule r = *parseRangeRule(items[0]);
    const std::vector<ListItem> expanded = expandRange(r, 2000);
    std::set<int> values;
    std::set<std::string> texts;
    for (std::size_t k = 0; k < expanded.size(); ++k) {
        if (!showsExactly(r, r.first + static_cast<long long>(k) * r.step)) return;
        values.insert(expanded[k].value);
        texts.insert(expanded[k].text);
    }
    if (values.size() != expanded.size() || texts.size() != expanded.size()) return;
    for (const ListItem& item : expanded) {
        FUZZ_CHECK(valueForText(definition, item.text) == item.value);
        FUZZ_CHECK(textForValue(definition, item.value) == item.text);
    }
}

}  // namespace

int fuzzLanguage(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LanguageFile lang;
    lang.loadText(text);
    (void)lang.languageName();
    (void)lang.languageList();
    (void)lang.helpFile("help");
    (void)lang.isAcceptedIdentifier("QAV410");
    (void)lang.isSecondAcceptedIdentifier("QAV420");

    const std::vector<std::string> args = {"12", "-3", "abc", "1.5", "99999999999999999999"};
    for (auto [family, id] : keysIn(text)) {
        (void)lang.modelFlag("QAV410", id);
        (void)lang.identifier(id);
        (void)lang.statusPrompt(id);
        for (int index = 0; index < 3; ++index) FUZZ_CHECK(lang.tooltip(id, index).size() <= 79);

        const std::string message = lang.message(id);
        const std::string formatted = formatText(message, args);
        // Each conversion gives a bounded text, whatever its width, and the
        // whole is capped.
        FUZZ_CHECK(formatted.size() <= 600 * (message.size() + 1));
        FUZZ_CHECK(formatted.size() <= kMaxFormattedText);

        const std::string definition = lang.caption(id);
        const std::vector<ListItem> combo = lang.comboItems(id);
        FUZZ_CHECK(combo.size() <= static_cast<std::size_t>(kMaxRangeItems));
        (void)lang.listBoxItems(id);
        (void)lang.listNames(id);
        (void)lang.numericEditParams(id);
        for (std::size_t i = 0; i < std::min<std::size_t>(combo.size(), 200); ++i) {
            (void)lang.textForValue(id, combo[i].value);
            (void)lang.valueForText(id, combo[i].text);
        }
        if (family == 2) checkSingleRange(definition);
    }
    return 0;
}
