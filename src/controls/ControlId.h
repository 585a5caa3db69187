#pragma once
// Every control of a dialog or editor carries its control id as a widget
// property. The id is the control's key in the language file, its help
// context id and the id change notices report, so it is the one handle the
// rest of the program uses to find a control.
#include <QWidget>

inline constexpr const char* kControlIdProperty = "qavControlId";

void setControlId(QWidget* widget, int id);

// The id a widget carries; 0 when it carries none.
int controlId(const QObject* widget);

// The first descendant of `root` (any depth) carrying `id`; nullptr if none.
QWidget* findControl(const QWidget* root, int id);

// Typed lookup: nullptr when the control is absent or of another type.
template <class W>
W* findControlAs(const QWidget* root, int id)
{
    return qobject_cast<W*>(findControl(root, id));
}
