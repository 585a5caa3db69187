#include "views/ShownValues.h"

#include "controls/ControlId.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

std::optional<QString> ShownValues::shownValue(const QWidget* w)
{
    if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        // A masked entry is never written to a log.
        if (e->echoMode() != QLineEdit::Normal) return std::nullopt;
        return e->text();
    }
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (!b->isCheckable()) return std::nullopt;
        return b->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]");
    }
    return std::nullopt;
}

void ShownValues::snapshot(const QWidget* root)
{
    values_.clear();
    if (!root) return;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        const int id = controlId(w);
        if (id == 0 || values_.contains(id)) continue;
        if (auto v = shownValue(w)) values_.insert(id, *v);
    }
}

std::optional<std::pair<QString, QString>> ShownValues::takeChange(const QWidget* root, int controlId)
{
    const QWidget* control = findControl(root, controlId);
    const std::optional<QString> now = control ? shownValue(control) : std::nullopt;
    if (!now) return std::nullopt;
    auto it = values_.find(controlId);
    if (it == values_.end()) {
        values_.insert(controlId, *now);
        return std::nullopt;
    }
    if (*it == *now) return std::nullopt;
    std::pair<QString, QString> change{*it, *now};
    *it = *now;
    return change;
}
