#pragma once
// An editor over one section, with the shipped English texts of its form,
// shown and active so that focus changes commit edits as they do for a user.
#include "FakeEditorContext.h"

#include "controls/ControlId.h"
#include "settings/LanguageFile.h"
#include "views/CustomFormView.h"
#include "views/EditorFactory.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

struct SignallingFixture {
    FakeEditorContext ctx;
    FakeSection* section = nullptr;
    std::unique_ptr<CCustomFormView> view;

    // `ids`: the caption ranges [first, last] the form needs from the language file.
    SignallingFixture(Section id, std::size_t size, int count, int limit, bool fixed,
                      std::initializer_list<std::pair<int, int>> ids)
    {
        LanguageFile language;
        EXPECT_TRUE(language.load(std::string(QAV_DATA_DIR) + "/QAV_E.lng"));
        for (auto [first, last] : ids)
            for (int c = first; c <= last; ++c) ctx.lang.captions[c] = language.caption(c);
        for (int m : {1174, 1176}) ctx.lang.messages[m] = language.message(m);
        section = &ctx.addSection(id, size, count, limit, fixed);
    }
    // Builds the view of `command`; the records are set up first.
    void open(int command)
    {
        view.reset(createEditorView(command, ctx));
        ASSERT_TRUE(view);
        view->show();
        QApplication::setActiveWindow(view.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    Record& record(int i = 0) { return *section->at(i); }
    template <class W>
    W* control(int id) const
    {
        return findControlAs<W>(view.get(), id);
    }
    // Types `text` into the edit `id` in place of its text, then leaves it
    // for `next`, which commits the edit.
    void type(int id, const QString& text, int next)
    {
        auto* edit = control<QLineEdit>(id);
        ASSERT_TRUE(edit);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
        else QTest::keyClicks(edit, text);
        ASSERT_TRUE(findControl(view.get(), next));
        findControl(view.get(), next)->setFocus();
    }
};
