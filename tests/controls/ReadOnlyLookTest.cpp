// Read-only fields take the window's background; editable ones keep the
// field background, and a field going back and forth follows.
#include "controls/ReadOnlyLook.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

QColor base(const QWidget& w) { return w.palette().color(QPalette::Active, QPalette::Base); }
QColor window(const QWidget& w) { return w.palette().color(QPalette::Active, QPalette::Window); }

}  // namespace

TEST(ReadOnlyLook, ReadOnlyFieldsShowTheWindowBackground)
{
    ReadOnlyLook::install();
    struct Case {
        const char* name;
        std::function<QWidget*(QWidget*)> make;
        std::function<void(QWidget*, bool)> setReadOnly;
    };
    const Case cases[] = {
        {"line edit", [](QWidget* p) { return new QLineEdit(p); },
         [](QWidget* w, bool r) { static_cast<QLineEdit*>(w)->setReadOnly(r); }},
        {"spin box", [](QWidget* p) { return new QDoubleSpinBox(p); },
         [](QWidget* w, bool r) { static_cast<QDoubleSpinBox*>(w)->setReadOnly(r); }},
        {"text", [](QWidget* p) { return new QPlainTextEdit(p); },
         [](QWidget* w, bool r) { static_cast<QPlainTextEdit*>(w)->setReadOnly(r); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget parent;
        QWidget* field = c.make(&parent);
        parent.show();
        const QColor editable = base(*field);
        ASSERT_NE(editable, window(*field));  // the style tells the two apart at all
        c.setReadOnly(field, true);
        EXPECT_EQ(base(*field), window(*field));
        c.setReadOnly(field, false);
        EXPECT_EQ(base(*field), editable);

        // Read-only before it is ever shown.
        QWidget* early = c.make(nullptr);
        c.setReadOnly(early, true);
        early->setParent(&parent);
        early->show();
        EXPECT_EQ(base(*early), window(*early));
    }
}
