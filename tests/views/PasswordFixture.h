#pragma once
// The password editor over a one-record password section, with the answer
// the "..." button's password dialog should give.
#include "FakeEditorContext.h"

#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "model/PasswordRecord.h"
#include "views/EditorFactory.h"
#include "views/ViewIds.h"
#include "views/ViewPassword.h"

#include <QPushButton>
#include <QString>
#include <memory>
#include <optional>

struct PasswordFixture {
    FakeEditorContext ctx;
    FakeSection* section;
    std::unique_ptr<CViewPassword> view;
    PasswordFixture()
    {
        section = &ctx.addSection(Section::Password, PasswordField::kSize, 1, 1, true);
        view.reset(static_cast<CViewPassword*>(createEditorView(ViewCommand::kPassword, ctx)));
    }
    Record& record() { return *section->at(0); }
    CCharFilterEdit* edit(int id) { return findControlAs<CCharFilterEdit>(view.get(), id); }
    void answer(std::optional<QString> entered)
    {
        view->setPasswordAsker([entered](QWidget*) { return entered; });
        findControlAs<QPushButton>(view.get(), 6358)->click();
    }
};
