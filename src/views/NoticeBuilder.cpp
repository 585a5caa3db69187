#include "views/NoticeBuilder.h"

#include "controls/ControlId.h"
#include "views/ShownValues.h"

#include <QAbstractButton>
#include <QLabel>

QString fieldLabel(const QWidget* root, int id)
{
    const QWidget* control = findControl(root, id);
    if (auto* b = qobject_cast<const QAbstractButton*>(control); b && b->isCheckable() && !b->text().isEmpty())
        return b->text();
    // A label made the control's buddy names it wherever it sits.
    if (control) {
        for (const QLabel* l : root->findChildren<const QLabel*>())
            if (l->buddy() == control) return l->text();
    }
    const QWidget* label = findControl(root, id - 1);
    if (auto* l = qobject_cast<const QLabel*>(label)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(label)) return b->text();
    return {};
}

ChangeNotice editNotice(const QWidget* root, const void* source, int id, const QString& caption, ShownValues& shown)
{
    ChangeNotice n;
    n.source = source;
    n.controlId = id;
    n.action = NoticeAction::kEdited;
    n.label = fieldLabel(root, id).toStdString();
    n.caption = caption.toStdString();
    if (auto change = shown.takeChange(root, id)) {
        n.text3 = change->first.toStdString();
        n.text4 = change->second.toStdString();
        n.fieldName = n.label;
    }
    return n;
}

ChangeNotice listNotice(const void* source, int navAction)
{
    ChangeNotice n;
    n.source = source;
    n.action = noticeActionFor(navAction);
    n.navigation = navAction;
    return n;
}
