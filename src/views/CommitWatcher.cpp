#include "views/CommitWatcher.h"

#include "controls/ControlId.h"
#include "controls/LanguageApply.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace {
constexpr int kOkButtonId = 1;
constexpr const char* kWatchedProperty = "qavCommitWatched";

// The next widget Tab would reach, skipping the control's own parts.
void focusNextField(QWidget* from)
{
    for (QWidget* next = from->nextInFocusChain(); next && next != from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(from->window())
            && next->window() == from->window() && !from->isAncestorOf(next)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
}  // namespace

CommitWatcher::CommitWatcher(QObject* parent) : QObject(parent) {}

void CommitWatcher::watch(QWidget* root)
{
    if (!root) return;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (controlId(w) == 0 || w->property(kWatchedProperty).toBool()) continue;
        const QString cls = windowClassOf(w);
        if (cls != QLatin1String("Button") && cls != QLatin1String("ComboBox") && cls != QLatin1String("Edit"))
            continue;
        w->setProperty(kWatchedProperty, true);
        w->installEventFilter(this);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            connect(button, &QAbstractButton::clicked, this, [this, button] { report(button, true); });
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            connect(combo, &QComboBox::activated, this, [this, combo] { report(combo, true); });
            // An editable combo's own edit field has the focus while typing.
            if (combo->lineEdit()) combo->lineEdit()->installEventFilter(this);
        }
    }
}

void CommitWatcher::report(QObject* control, bool commit)
{
    if (suspended_) return;
    const int id = controlId(control);
    if (id == 0) return;
    if (commit) emit committed(id);
    else emit focused(id);
}

bool CommitWatcher::eventFilter(QObject* watched, QEvent* event)
{
    // The edit field inside an editable combo box reports for the combo box.
    QObject* control = watched;
    if (controlId(watched) == 0 && qobject_cast<QComboBox*>(watched->parent())) control = watched->parent();

    switch (event->type()) {
    case QEvent::FocusOut: {
        auto* fe = static_cast<QFocusEvent*>(event);
        // Opening a combo box's list or a context menu is not leaving the control.
        if (fe->reason() == Qt::PopupFocusReason) break;
        if (!qobject_cast<QAbstractButton*>(control)) report(control, true);
        break;
    }
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) report(control, false);
        break;
    case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(event);
        if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
            && ke->modifiers() == Qt::NoModifier && controlId(control) != kOkButtonId) {
            // Enter finishes the field like Tab does.
            if (auto* w = qobject_cast<QWidget*>(control)) focusNextField(w);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
