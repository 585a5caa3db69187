#pragma once
// Texts of the frame's own dialogs from the language file: the title from
// the dialog's template id and each control's text from its control id. A
// text the file lacks leaves the built-in one.
#include <QString>

class IFrameHost;
class QWidget;

namespace DialogTexts {

// Marks `widget` with its control id (its language key and help context).
void setId(QWidget* widget, int controlId);
int idOf(const QWidget* widget);

// Applies the title (caption text `templateId`) and the texts of labels,
// buttons and group boxes that carry a control id; disables the controls
// that the current model's flags switch off.
void apply(QWidget* dialog, int templateId, const IFrameHost& host);

}  // namespace DialogTexts
