#pragma once
// The Factory Mode values as JSON, for a tuning station's scripts:
//
//   {"format": "qav-factory", "version": 1, "firmware_version": "1.04.07",
//    "model_name": "QAV-410", "serial_number": "", "band_flag": 1, "range_id": "1",
//    "range_low": "136", "range_high": "174", "signalling_type": 0, "open_channel": 1,
//    "pll_frequency": "12.80000", "rx_middle_frequency": "38.85000", "rx_middle_add_sub": 0,
//    "release_debug": 0, "lcd_version": 0, "option_1": false, ... "option_4": false,
//    "tune_switch_open": false}
//
// Texts are as the dialog shows them (a number is taken as its text), the
// choices are list values. Reading names every bad field; a field left out
// keeps the value it had.
#include "app/FactorySettingsForm.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

nlohmann::ordered_json factoryFormToJson(const FactorySettingsForm& form, const std::string& firmwareVersion);

struct FactoryJsonImport {
    FactorySettingsForm form;
    std::vector<std::string> errors;  // "<key>: what is wrong"; any one refuses the file
};

// `base` with the fields `json` gives; then every limit of the form checked.
FactoryJsonImport factoryFormFromJson(const nlohmann::json& json, FactorySettingsForm base);

// The JSON key of a form control ("" for none).
std::string factoryJsonKey(int controlId);
// What is wrong, in words: "must not be empty", "longer than 16 characters"...
std::string factoryProblemText(const FactoryProblem& problem);
