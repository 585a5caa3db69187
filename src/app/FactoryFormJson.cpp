#include "app/FactoryFormJson.h"

#include <set>

namespace {

using Form = FactorySettingsForm;
namespace C = FactoryControl;

struct Field {
    enum Kind { Text, Choice, Flag };
    const char* key;
    int control;
    Kind kind;
    std::string Form::*text = nullptr;
    int Form::*choice = nullptr;
    int option = -1;  // Flag: the option check 0-3, or -1 for the tune switch
};

constexpr Field kFields[] = {
    {"model_name", C::kModelName, Field::Text, &Form::modelName},
    {"serial_number", C::kSerial, Field::Text, &Form::serialNumber},
    {"band_flag", C::kBandFlag, Field::Choice, nullptr, &Form::bandFlag},
    {"range_id", C::kRangeId, Field::Text, &Form::rangeId},
    {"range_low", C::kRangeLow, Field::Text, &Form::rangeLow},
    {"range_high", C::kRangeHigh, Field::Text, &Form::rangeHigh},
    {"signalling_type", C::kSignalling, Field::Choice, nullptr, &Form::signallingType},
    {"open_channel", C::kOpenChannel, Field::Choice, nullptr, &Form::openChannel},
    {"pll_frequency", C::kPll, Field::Text, &Form::pllFrequency},
    {"rx_middle_frequency", C::kRxMiddle, Field::Text, &Form::rxMiddleFrequency},
    {"rx_middle_add_sub", C::kAddSub, Field::Choice, nullptr, &Form::rxMiddleAddSub},
    {"release_debug", C::kReleaseDebug, Field::Choice, nullptr, &Form::releaseDebug},
    {"lcd_version", C::kLcd, Field::Choice, nullptr, &Form::lcdVersion},
    {"option_1", C::kFirstOption, Field::Flag, nullptr, nullptr, 0},
    {"option_2", C::kFirstOption + 1, Field::Flag, nullptr, nullptr, 1},
    {"option_3", C::kFirstOption + 2, Field::Flag, nullptr, nullptr, 2},
    {"option_4", C::kFirstOption + 3, Field::Flag, nullptr, nullptr, 3},
    {"tune_switch_open", C::kTuneOpen, Field::Flag},
};

// Keys a read writes that a write does not take.
const std::set<std::string> kInformational{"format", "version", "firmware_version"};

bool& flag(Form& f, const Field& d)
{
    return d.option < 0 ? f.tuneSwitchOpen : f.options[static_cast<std::size_t>(d.option)];
}

// "" when taken, else what is wrong.
std::string take(const nlohmann::json& v, const Field& d, Form& f)
{
    switch (d.kind) {
    case Field::Text:
        if (v.is_string()) f.*d.text = v.get<std::string>();
        else if (v.is_number()) f.*d.text = v.dump();
        else return "expected a text";
        return "";
    case Field::Choice:
        // Wider than any choice's bits; the form's check then names its own limit.
        if (!v.is_number_integer() || v.get<std::int64_t>() < 0 || v.get<std::int64_t>() > 65535)
            return "expected a whole number 0-65535";
        f.*d.choice = static_cast<int>(v.get<std::int64_t>());
        return "";
    case Field::Flag:
        if (!v.is_boolean()) return "expected true or false";
        flag(f, d) = v.get<bool>();
        return "";
    }
    return "";
}

}  // namespace

nlohmann::ordered_json factoryFormToJson(const FactorySettingsForm& form, const std::string& firmwareVersion)
{
    nlohmann::ordered_json j;
    j["format"] = "qav-factory";
    j["version"] = 1;
    j["firmware_version"] = firmwareVersion;
    Form f = form;
    for (const Field& d : kFields) {
        switch (d.kind) {
        case Field::Text: j[d.key] = f.*d.text; break;
        case Field::Choice: j[d.key] = f.*d.choice; break;
        case Field::Flag: j[d.key] = flag(f, d); break;
        }
    }
    return j;
}

FactoryJsonImport factoryFormFromJson(const nlohmann::json& json, FactorySettingsForm base)
{
    FactoryJsonImport r{std::move(base), {}};
    if (!json.is_object()) {
        r.errors.push_back("expected an object of Factory Mode fields");
        return r;
    }
    if (json.contains("format") && json["format"] != "qav-factory")
        r.errors.push_back("format: expected \"qav-factory\"");
    for (const auto& [key, value] : json.items()) {
        if (kInformational.count(key)) continue;
        const Field* d = nullptr;
        for (const Field& f : kFields)
            if (key == f.key) d = &f;
        if (!d) {
            r.errors.push_back(key + ": not a Factory Mode field");
            continue;
        }
        if (std::string why = take(value, *d, r.form); !why.empty()) r.errors.push_back(key + ": " + why);
    }
    for (const FactoryProblem& p : factoryFormProblems(r.form)) {
        // A field already refused for its type is not refused again.
        const std::string key = factoryJsonKey(p.controlId);
        bool already = false;
        for (const std::string& e : r.errors) already = already || e.rfind(key + ": ", 0) == 0;
        if (!already) r.errors.push_back(key + ": " + factoryProblemText(p));
    }
    return r;
}

std::string factoryJsonKey(int controlId)
{
    for (const Field& d : kFields)
        if (d.control == controlId) return d.key;
    return "";
}

std::string factoryProblemText(const FactoryProblem& p)
{
    switch (p.kind) {
    case FactoryProblem::Empty: return "must not be empty";
    case FactoryProblem::TooLong: return "longer than " + std::to_string(p.limitLow) + " characters";
    case FactoryProblem::NotDigits: return "not a number (digits only)";
    case FactoryProblem::OutOfRange:
        return "outside " + std::to_string(p.limitLow) + "-" + std::to_string(p.limitHigh);
    }
    return "";
}
