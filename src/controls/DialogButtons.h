#pragma once
// The OK / Cancel / Help row of a dialog: each button carries the control id
// its language text and help context are found by (1, 2 and 9), OK and
// Cancel end the dialog, Help calls `onHelp`.
#include <QDialogButtonBox>

#include <functional>

class QDialog;

QDialogButtonBox* makeDialogButtons(QDialog* dialog, QDialogButtonBox::StandardButtons which,
                                    std::function<void()> onHelp = {});
