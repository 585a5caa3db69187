#pragma once
// Applies the active language to a dialog or editor: the window title and
// every control, found by the control id it carries (ControlId.h). Widgets
// map onto the window classes the language file distinguishes:
//   "Button"   push buttons, check boxes, radio buttons, group boxes: text
//   "Static"   labels: text
//   "ComboBox" combo boxes: items of the list definition appended
//   "Edit"     line edits: numeric-edit parameters (range edits only)
//   "ListBox"  list widgets: plain items appended
// A control whose per-model flag is non-zero is disabled. An empty text
// leaves the built-in one in place.
#include <QString>

class LanguageSource;
class QWidget;

enum class ListFill {
    Append,    // items are added after the existing ones (first application)
    Replace,   // lists are emptied first, keeping the selected index (language switch)
};

// The window class name a widget stands for; empty for widgets no text applies to.
QString windowClassOf(const QWidget* widget);

void applyLanguage(QWidget* window, int templateId, const LanguageSource& lang,
                   ListFill fill = ListFill::Append);
