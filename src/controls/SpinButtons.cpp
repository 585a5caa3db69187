#include "controls/SpinButtons.h"

#include "controls/ControlId.h"
#include "controls/RangeValueEdit.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QToolButton>
#include <QVBoxLayout>

CSpinButtons::CSpinButtons(CRangeValueEdit* edit, bool offBelow, QWidget* parent)
    : QWidget(parent), edit_(edit), offBelow_(offBelow)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const int height = edit->sizeHint().height() / 2;
    for (auto [arrow, steps] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* b = new QToolButton(this);
        b->setArrowType(arrow);
        b->setFixedSize(height * 3 / 2, height);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        column->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, s = steps] { step(s); });
    }
}

void CSpinButtons::step(int steps)
{
    edit_->stepBy(steps, offBelow_);
    emit stepped(controlId(edit_));
}

CSpinButtons* CSpinButtons::attach(CRangeValueEdit* edit, int spinId, bool offBelow)
{
    QWidget* parent = edit->parentWidget();
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    auto* spin = new CSpinButtons(edit, offBelow, box);
    setControlId(spin, spinId);
    if (parent && parent->layout()) delete parent->layout()->replaceWidget(edit, box, Qt::FindChildrenRecursively);
    edit->setParent(box);
    row->addWidget(edit, 1);
    row->addWidget(spin);
    return spin;
}
