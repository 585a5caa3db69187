#include "controls/ControlId.h"

#include <QVariant>

void setControlId(QWidget* widget, int id)
{
    if (widget) widget->setProperty(kControlIdProperty, id);
}

int controlId(const QObject* widget)
{
    if (!widget) return 0;
    const QVariant v = widget->property(kControlIdProperty);
    return v.isValid() ? v.toInt() : 0;
}

QWidget* findControl(const QWidget* root, int id)
{
    if (!root || id == 0) return nullptr;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (controlId(w) == id) return w;
    }
    return nullptr;
}
