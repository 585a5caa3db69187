#pragma once
// What the editors that refer to other records share: boxes that offer the
// records of a section by their number (item data: the record's id, so a
// choice keeps naming the same record while others are added or deleted),
// enabling that never wakes a control the current model disables, and
// taking back an invalid-value entry once a valid choice was made.
#include <QString>

class EditorContext;
class LanguageSource;
class QComboBox;
class QWidget;
class SectionAccess;

// Refills `combo` with "1", "2", ... one item per record of `section`
// (none when it is null). With a `noneText` the first item is that text
// with id 0. The item whose id is `selectedId` is chosen; none when no item has it.
void fillNumberedBox(QComboBox* combo, SectionAccess* section, int selectedId, const QString& noneText = {},
                     bool withNone = false);

// The record id of the chosen item; -1 when nothing is chosen.
int chosenId(const QComboBox* combo);

// Enables or disables control `id` under `root`; a control the current
// model disables stays disabled.
void enableControl(QWidget* root, int id, bool on, const LanguageSource& language);

// Removes the invalid-value entry of `recordId` for `controlId`.
void clearInvalidEntry(EditorContext& context, int recordId, int controlId);
