#include "app/PrintSelection.h"

#include "app/ReportSections.h"
#include "settings/LanguageFile.h"

#include <algorithm>

std::vector<int> sectionsForTreeTexts(const std::vector<std::string>& checkedTexts, const LanguageFile& language)
{
    std::vector<int> chosen;
    for (const std::string& text : checkedTexts) {
        for (const ReportSection& s : reportSections()) {
            const std::string name = language.caption(s.id);
            // An empty name would occur in every text.
            if (name.empty() || text.find(name) == std::string::npos) continue;
            if (std::find(chosen.begin(), chosen.end(), s.id) == chosen.end()) chosen.push_back(s.id);
            break;
        }
    }
    std::vector<int> ordered;
    for (const ReportSection& s : reportSections())
        if (std::find(chosen.begin(), chosen.end(), s.id) != chosen.end()) ordered.push_back(s.id);
    return ordered;
}

PrintTreeWarnings::Step PrintTreeWarnings::next()
{
    if (remaining_ > 0) {
        --remaining_;
        return {kSelectOne, false};
    }
    remaining_ = kWarnings;
    return {kCancelled, true};
}
