#pragma once
// What the widgets need from the active language file: texts by number, the
// per-model disable flags, option lists and numeric-edit parameters. The
// desktop program uses SettingsLanguageSource over the settings manager;
// tests give a small table of texts. Option lists and edit parameters are
// read from the caption texts with the list-definition rules, so a source
// only has to answer the three lookups.
#include "settings/ListDefinition.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The seven numbers of a numeric edit "min:step:max:divisor:value0:valuestep:decimals"
// (first = minimum, last = maximum).
using RangeParams = NumericEditParams;

class LanguageSource {
public:
    using Items = std::vector<ListItem>;

    virtual ~LanguageSource() = default;

    // Message text N (S01); empty when missing.
    virtual std::string message(int id) const = 0;
    // Caption text N (S02): captions, control texts, list definitions; empty when missing.
    virtual std::string caption(int id) const = 0;
    // Per-model flag of control N (S00 in the current model's section); 0 when missing.
    virtual int modelFlag(int id) const = 0;

    // The items a combo box gets from list definition N (plain and range items).
    Items comboItems(int listId) const { return ::comboItems(caption(listId)); }
    // The items a list box gets from list definition N (plain items only).
    Items listBoxItems(int listId) const { return ::listBoxItems(caption(listId)); }
    // The shown text of value v in list N; empty when no item matches.
    std::string textForValue(int listId, int value) const { return ::textForValue(caption(listId), value); }
    // The value of shown text t in list N; -1 when no item matches.
    int valueForText(int listId, const std::string& text) const { return ::valueForText(caption(listId), text); }
    // Numeric-edit parameters from caption text N; nullopt when absent or malformed.
    std::optional<RangeParams> rangeParams(int id) const { return parseNumericEditParams(caption(id)); }
};
