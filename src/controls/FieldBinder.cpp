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
    return *binders_.back();
}

void FormBindings::load(const Record* record)
{
    for (const auto& b : binders_) {
        if (record) b->load(*record);
        else b->clear();
    }
}

void FormBindings::save(Record& record)
{
    for (const auto& b : binders_)
        if (!b->displayOnly()) b->save(record);
}

FieldBinder* FormBindings::binderOf(const QWidget* control) const
{
    for (const auto& b : binders_)
        if (b->control() == control) return b.get();
    return nullptr;
}
