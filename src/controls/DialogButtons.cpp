#include "controls/DialogButtons.h"

#include "controls/ControlId.h"

#include <QDialog>
#include <QPushButton>

QDialogButtonBox* makeDialogButtons(QDialog* dialog, QDialogButtonBox::StandardButtons which,
                                    std::function<void()> onHelp)
{
    auto* buttons = new QDialogButtonBox(which, dialog);
    const struct {
        QDialogButtonBox::StandardButton button;
        int id;
    } ids[] = {{QDialogButtonBox::Ok, 1}, {QDialogButtonBox::Cancel, 2}, {QDialogButtonBox::Help, 9}};
    for (const auto& b : ids)
        if (QPushButton* button = buttons->button(b.button)) setControlId(button, b.id);
    // Through QDialog's virtual accept/reject, so a dialog's own checks run.
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    if (onHelp) QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog, std::move(onHelp));
    return buttons;
}
