#include "app/OutcomeText.h"

#include <gtest/gtest.h>

#include <map>

TEST(OutcomeText, FillsTheLanguageTextAndKeepsWhatItHasNoPlaceFor)
{
    const std::map<int, std::string> texts{{803, "File Access Error!"}, {1138, "Read failed at %d."},
                                           {1142, "Radio range %s, file %s"}};
    const auto lookup = [&texts](int id) {
        auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    };
    struct Case {
        Outcome outcome;
        std::string text;
        std::vector<std::string> details;
        std::string line;
    };
    const Case cases[] = {
        {Outcome::failure(0), "", {}, ""},
        {Outcome::failure(1138, {"320"}), "Read failed at 320.", {}, "Read failed at 320."},
        {Outcome::failure(803, {"/tmp/a.qav", "", "disk full"}), "File Access Error!", {"/tmp/a.qav", "disk full"},
         "File Access Error! (/tmp/a.qav: disk full)"},
        {Outcome::failure(1142, {"136-174"}), "Radio range 136-174, file ", {}, "Radio range 136-174, file "},
        {Outcome::failure(4242, {"x"}), "Message 4242", {"x"}, "Message 4242 (x)"},
    };
    for (const Case& c : cases) {
        const OutcomeText t = outcomeText(c.outcome, lookup);
        EXPECT_EQ(t.text, c.text) << c.outcome.message;
        EXPECT_EQ(t.details, c.details) << c.outcome.message;
        EXPECT_EQ(t.oneLine(), c.line) << c.outcome.message;
    }
}
