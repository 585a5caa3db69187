#include "desktop/HelpKeyFilter.h"

#include "frame/CNavigationTree.h"
#include "frame/ViewBridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

QList<int> HelpKeyFilter::contextChain(const QWidget* widget)
{
    // The widget's own window ends the chain: a dialog's help never falls
    // through to the topic of the window it was opened from.
    QList<int> ids;
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        int id = w->property("qavControlId").toInt();
        if (id == 0) id = w->property("controlId").toInt();
        if (id == 0) id = w->property("templateId").toInt();
        if (id > 2 && !ids.contains(id)) ids << id;  // 1 and 2 are OK and Cancel
    }
    return ids;
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    // Only the widget the key goes to answers, not every parent it passes.
    QWidget* focus = QApplication::focusWidget();
    if (!focus || watched != focus) return QObject::eventFilter(watched, event);
    if (auto* tree = qobject_cast<CNavigationTree*>(focus)) {
        QList<int> ids;
        if (QTreeWidgetItem* item = tree->currentItem()) ids << CNavigationTree::itemId(item);
        ids << contextChain(tree);
        emit helpRequested(ids);
        return true;
    }
    // Inside an editor the editor answers: the focused control, then its
    // form. A dialog opened from an editor is a window of its own and
    // answers with its own ids.
    for (QWidget* w = focus; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (ViewBridge::requestHelp(w)) return true;
    emit helpRequested(contextChain(focus));
    return true;
}
