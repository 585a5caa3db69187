#pragma once
// Builds the change notices editors send, in one place for views and
// pages alike: a finished edit of one control (its label, the caption,
// what the control showed before and after) and a change of the record
// list (navigation, new, delete).
#include "views/ChangeNotice.h"

#include <QString>

class QWidget;
class ShownValues;

// The name of the field a control edits: a check box's or radio button's
// own text; otherwise the label that names it (its buddy label, or the
// control one id lower).
QString fieldLabel(const QWidget* root, int controlId);

// A finished edit of `controlId` under `root`, sent by `source`. `shown`
// gives the before and after texts and takes the new one as its own.
ChangeNotice editNotice(const QWidget* root, const void* source, int controlId, const QString& caption,
                        ShownValues& shown);

// A change of the record list or the position in it, announced after a
// navigation action (NavAction) or after a record was added.
ChangeNotice listNotice(const void* source, int navAction);
