#include "controls/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

bool isInput(const QWidget* w)
{
    if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w)) return true;
    // A combo box's own line edit is named with its box.
    return qobject_cast<const QLineEdit*>(w) && !qobject_cast<const QComboBox*>(w->parentWidget());
}

QString cleaned(QString text)
{
    text.remove('&');
    text = text.trimmed();
    if (text.endsWith(':') || text.endsWith(QChar(0xFF1A))) text.chop(1);
    return text;
}

QString labelText(const QLayoutItem* item)
{
    const auto* label = item ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    return label ? cleaned(label->text()) : QString();
}

// The text of the label whose buddy is `w`, unless it is a bare row number.
QString buddyText(const QWidget* w, const QWidget* window)
{
    for (const QLabel* l : window->findChildren<QLabel*>()) {
        if (l->buddy() != w) continue;
        const QString text = cleaned(l->text());
        bool number = false;
        text.toInt(&number);
        if (!number) return text;
    }
    return {};
}

// A button whose text is only marks ("...") says nothing by itself.
bool isMarksButton(const QWidget* w)
{
    const auto* b = qobject_cast<const QAbstractButton*>(w);
    if (!b || !b->accessibleName().isEmpty()) return false;
    for (const QChar c : b->text())
        if (c.isLetterOrNumber()) return false;
    return true;
}

void nameGridCells(QGridLayout* grid, const QWidget* window)
{
    for (int i = 0; i < grid->count(); ++i) {
        QWidget* w = grid->itemAt(i)->widget();
        if (w && isMarksButton(w)) {
            // Named after its row: "Radio Write/Tune/Dealer Data Password ...".
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            const QString rowLabel = column > 0 ? labelText(grid->itemAtPosition(row, 0)) : QString();
            if (!rowLabel.isEmpty()) w->setAccessibleName(rowLabel + QLatin1Char(' ') + static_cast<QAbstractButton*>(w)->text());
            continue;
        }
        // An edit may sit in a holder with its spin buttons, away from its
        // label, where the toolkit no longer finds the label for it.
        if (w && !isInput(w)) {
            QList<QWidget*> inside;
            for (QWidget* c : w->findChildren<QWidget*>())
                if (isInput(c)) inside << c;
            w = inside.size() == 1 ? inside.front() : nullptr;
        }
        if (!w || !w->accessibleName().isEmpty()) continue;
        QString name = buddyText(w, window);
        if (name.isEmpty()) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            const QString rowLabel = column > 0 ? labelText(grid->itemAtPosition(row, 0)) : QString();
            const QString heading = row > 0 ? labelText(grid->itemAtPosition(0, column)) : QString();
            name = (rowLabel + QLatin1Char(' ') + heading).trimmed();
        }
        if (!name.isEmpty()) w->setAccessibleName(name);
    }
}

}  // namespace

void nameUnlabelledControls(QWidget* window)
{
    for (QGridLayout* grid : window->findChildren<QGridLayout*>()) nameGridCells(grid, window);
    for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
        if (!view->accessibleName().isEmpty() || !buddyText(view, window).isEmpty()) continue;
        // Item views inside combo boxes are the boxes' own popups.
        if (qobject_cast<QComboBox*>(view->parentWidget()) || view->window() != window->window()) continue;
        QString name;
        for (QWidget* p = view->parentWidget(); p && name.isEmpty(); p = p->parentWidget())
            if (auto* box = qobject_cast<QGroupBox*>(p)) name = box->title();
        if (name.isEmpty()) name = window->windowTitle();
        name.remove('&');
        if (!name.trimmed().isEmpty()) view->setAccessibleName(name.trimmed());
    }
}
