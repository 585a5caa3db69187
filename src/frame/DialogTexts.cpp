#include "frame/DialogTexts.h"

#include "frame/FrameHost.h"
#include "frame/LangText.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace DialogTexts {

void setId(QWidget* widget, int controlId)
{
    widget->setProperty("qavControlId", controlId);
    if (widget->objectName().isEmpty()) widget->setObjectName(QString("ctl%1").arg(controlId));
}

int idOf(const QWidget* widget)
{
    return widget ? widget->property("qavControlId").toInt() : 0;
}

void apply(QWidget* dialog, int templateId, const IFrameHost& host)
{
    const QString title = LangText::caption(host, templateId);
    if (!title.isEmpty()) dialog->setWindowTitle(title);
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        const int id = idOf(w);
        if (id == 0) continue;
        if (host.modelFlag(id) != 0) w->setEnabled(false);
        const QString text = LangText::caption(host, id);
        if (text.isEmpty()) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            b->setText(text);
        else if (auto* l = qobject_cast<QLabel*>(w))
            l->setText(text);
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            g->setTitle(text);
    }
}

}  // namespace DialogTexts
