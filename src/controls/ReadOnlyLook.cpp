#include "controls/ReadOnlyLook.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

constexpr const char* kEditableBase = "qavEditableBase";

// Whether the widget is a text field, and whether it is read-only.
bool readOnlyState(const QWidget* w, bool& readOnly)
{
    if (auto* e = qobject_cast<const QLineEdit*>(w)) readOnly = e->isReadOnly();
    else if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) readOnly = s->isReadOnly();
    else if (auto* t = qobject_cast<const QTextEdit*>(w)) readOnly = t->isReadOnly();
    else if (auto* p = qobject_cast<const QPlainTextEdit*>(w)) readOnly = p->isReadOnly();
    else return false;
    return true;
}

}  // namespace

void ReadOnlyLook::install()
{
    static ReadOnlyLook* look = nullptr;
    if (look || !qApp) return;
    look = new ReadOnlyLook(qApp);
    qApp->installEventFilter(look);
    for (QWidget* w : QApplication::allWidgets()) apply(w);
}

void ReadOnlyLook::apply(QWidget* field)
{
    bool readOnly = false;
    if (!field || !readOnlyState(field, readOnly)) return;
    // A spin box's own line edit follows the spin box.
    if (qobject_cast<QAbstractSpinBox*>(field->parentWidget())) return;
    const QVariant saved = field->property(kEditableBase);
    QPalette pal = field->palette();
    if (readOnly && !saved.isValid()) {
        field->setProperty(kEditableBase, pal.color(QPalette::Active, QPalette::Base));
        for (auto group : {QPalette::Active, QPalette::Inactive})
            pal.setColor(group, QPalette::Base, pal.color(group, QPalette::Window));
        field->setPalette(pal);
    } else if (!readOnly && saved.isValid()) {
        const QColor base = saved.value<QColor>();
        field->setProperty(kEditableBase, QVariant());
        for (auto group : {QPalette::Active, QPalette::Inactive}) pal.setColor(group, QPalette::Base, base);
        field->setPalette(pal);
    }
}

bool ReadOnlyLook::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::ReadOnlyChange || event->type() == QEvent::Polish) && watched->isWidgetType())
        apply(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}
