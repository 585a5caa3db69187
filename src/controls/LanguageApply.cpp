#include "controls/LanguageApply.h"

#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "controls/RangeValueEdit.h"
#include "settings/TextIds.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

QString windowClassOf(const QWidget* w)
{
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w))
        return QStringLiteral("Button");
    if (qobject_cast<const QLabel*>(w)) return QStringLiteral("Static");
    if (qobject_cast<const QComboBox*>(w)) return QStringLiteral("ComboBox");
    if (qobject_cast<const QLineEdit*>(w)) return QStringLiteral("Edit");
    if (qobject_cast<const QListWidget*>(w)) return QStringLiteral("ListBox");
    return {};
}

namespace {

void setButtonText(QWidget* w, const QString& text)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(text);
}

void fillCombo(QComboBox* combo, const LanguageSource::Items& items, ListFill fill)
{
    const int selected = combo->currentIndex();
    if (fill == ListFill::Replace) combo->clear();
    for (const ListItem& item : items) combo->addItem(QString::fromStdString(item.text), item.value);
    if (fill == ListFill::Replace && selected < combo->count()) combo->setCurrentIndex(selected);
}

void fillList(QListWidget* list, const LanguageSource::Items& items, ListFill fill)
{
    const int selected = list->currentRow();
    if (fill == ListFill::Replace) list->clear();
    for (const ListItem& entry : items) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.text), list);
        item->setData(Qt::UserRole, entry.value);
    }
    if (fill == ListFill::Replace && selected < list->count()) list->setCurrentRow(selected);
}

void applyToControl(QWidget* w, int id, const LanguageSource& lang, ListFill fill)
{
    if (lang.modelFlag(id) != 0) w->setEnabled(false);

    const QString cls = windowClassOf(w);
    if (cls == QLatin1String("Edit")) {
        // Range edits show the word for "off" for a stored 0, whatever their parameters.
        if (auto* range = qobject_cast<CRangeValueEdit*>(w)) {
            range->setOffWord(QString::fromStdString(lang.message(MsgId::kOffWord)));
            if (auto params = lang.rangeParams(id)) range->setParams(*params);
        }
        return;
    }
    if (cls.isEmpty()) return;

    const std::string text = lang.caption(id);
    if (text.empty()) return;
    if (cls == QLatin1String("Button")) setButtonText(w, QString::fromStdString(text));
    else if (cls == QLatin1String("Static")) static_cast<QLabel*>(w)->setText(QString::fromStdString(text));
    else if (cls == QLatin1String("ComboBox")) fillCombo(static_cast<QComboBox*>(w), lang.comboItems(id), fill);
    else if (cls == QLatin1String("ListBox")) fillList(static_cast<QListWidget*>(w), lang.listBoxItems(id), fill);
}

}  // namespace

void applyLanguage(QWidget* window, int templateId, const LanguageSource& lang, ListFill fill)
{
    if (!window) return;
    // The template id is also the window's help topic when its focused
    // control has none.
    window->setProperty("templateId", templateId);
    const std::string title = lang.caption(templateId);
    if (!title.empty()) window->setWindowTitle(QString::fromStdString(title));

    for (QWidget* w : window->findChildren<QWidget*>()) {
        const int id = controlId(w);
        // Widgets without an id are parts of composite widgets (a combo
        // box's own edit field, scroll bars), not controls of the form.
        if (id != 0) applyToControl(w, id, lang, fill);
    }
}
