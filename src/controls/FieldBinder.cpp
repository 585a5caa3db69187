#include "controls/FieldBinder.h"

#include <QLabel>

FieldBinder::FieldBinder(QWidget* control, const BoundField& field) : control_(control), field_(field) {}

void FieldBinder::setLabel(QLabel* label)
{
    if (label) label->setBuddy(control_);
}

FieldBinder& FormBindings::add(std::unique_ptr<FieldBinder> binder)
{
    binders_.push_back(std::move(binder));
    loaded_.emplace_back();
    return *binders_.back();
}

void FormBindings::load(const Record* record)
{
    for (std::size_t i = 0; i < binders_.size(); ++i) {
        loaded_[i].reset();
        if (record) binders_[i]->load(*record);
        else binders_[i]->clear();
    }
}

void FormBindings::remember(const Record* record)
{
    for (std::size_t i = 0; i < binders_.size(); ++i) {
        loaded_[i].reset();
        if (!record || binders_[i]->displayOnly()) continue;
        Loaded l{*record, *record};
        binders_[i]->save(l.written);
        loaded_[i] = std::move(l);
    }
}

void FormBindings::save(Record& record)
{
    for (std::size_t i = 0; i < binders_.size(); ++i) {
        FieldBinder& b = *binders_[i];
        if (b.displayOnly()) continue;
        if (const auto& l = loaded_[i]) {
            Record now = l->from;
            b.save(now);
            if (now == l->written) continue;
        }
        b.save(record);
        // From here on the control is measured against what it wrote, so
        // turning it back to the old value is a change again.
        loaded_[i] = Loaded{record, record};
    }
}

FieldBinder* FormBindings::binderOf(const QWidget* control) const
{
    for (const auto& b : binders_)
        if (b->control() == control) return b.get();
    return nullptr;
}
