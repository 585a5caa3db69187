#pragma once
// Names for screen readers where a control has no label of its own: an edit
// in a table of edits is named after its row label and its column heading
// ("1 Frequency[Hz]"), a grid after the group box around it or else after
// the window. Run once the language has been applied, so the names are in
// the language the window shows.
class QWidget;

void nameUnlabelledControls(QWidget* window);
