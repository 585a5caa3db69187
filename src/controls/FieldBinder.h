#pragma once
// A binder ties one control to one field of a record: it shows the field's
// value in the control and writes the control's value back. A form, a
// property page or a grid row is a list of binders plus the few rules that
// are its own. A binder given the control's label makes the label its
// buddy, so the label's mnemonic reaches the control and screen readers
// announce the control by its label.
#include "controls/BoundField.h"

#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QWidget;

class FieldBinder {
public:
    FieldBinder(QWidget* control, const BoundField& field);
    virtual ~FieldBinder() = default;

    QWidget* control() const { return control_; }
    const BoundField& field() const { return field_; }
    // The label that names the control becomes its buddy.
    void setLabel(QLabel* label);

    virtual void load(const Record& record) = 0;
    virtual void save(Record& record) = 0;
    // Shows nothing (no current record).
    virtual void clear() = 0;
    // Display-only binders show the field and never write it.
    void setDisplayOnly(bool on) { displayOnly_ = on; }
    bool displayOnly() const { return displayOnly_; }

private:
    QWidget* control_;
    BoundField field_;
    bool displayOnly_ = false;
};

// The binders of one form or page, loaded and saved together.
class FormBindings {
public:
    FieldBinder& add(std::unique_ptr<FieldBinder> binder);
    // Fills every control from `record`; nullptr blanks them.
    void load(const Record* record);
    // Takes the controls as they now show `record` (after the form's own
    // rules have run on them) as their unchanged state.
    void remember(const Record* record);
    // Writes back every control that is not display-only and that changed
    // since it was loaded. A control left alone never rewrites its field:
    // one that cannot show the stored value (a value outside its range or
    // list) would otherwise change it just by being looked at.
    void save(Record& record);
    const std::vector<std::unique_ptr<FieldBinder>>& binders() const { return binders_; }
    FieldBinder* binderOf(const QWidget* control) const;

private:
    // What each binder was loaded from, and what it would have written
    // straight after loading: a control that still writes the same has not
    // been changed.
    struct Loaded {
        Record from;
        Record written;
    };
    std::vector<std::unique_ptr<FieldBinder>> binders_;
    std::vector<std::optional<Loaded>> loaded_;
};
