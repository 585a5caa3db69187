#pragma once
// A real section store behind the editors, with the shipped English
// language file, the 400-470 MHz band and an invalid-value list: what the
// desktop program gives its editors, without a window around them.
#include "app/InvalidValueList.h"
#include "controls/ControlId.h"
#include "model/CCodeplugData.h"
#include "settings/SettingsManager.h"
#include "views/CustomFormView.h"
#include "views/EditorFactory.h"
#include "views/StoreEditorContext.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QTemporaryDir>
#include <memory>

struct StoreFixture {
    QTemporaryDir dir;
    std::unique_ptr<CSettingsManager> settings;
    CCodeplugData store;
    InvalidValueList invalid;
    std::unique_ptr<StoreEditorContext> ctx;

    explicit StoreFixture(int languageIndex = 0)
    {
        for (const char* name : {"QAV_E.lng", "QAV_S.lng"})
            QFile::copy(QString(QAV_DATA_DIR) + "/" + name, dir.path() + "/" + name);
        const std::string home = dir.path().toStdString() + "/";
        settings = std::make_unique<CSettingsManager>(home, home + "user/");
        settings->selectLanguage(languageIndex);
        settings->setFreqRange("400-470");
        store.loadDefaults(settings->model());
        ctx = std::make_unique<StoreEditorContext>(store, *settings, &invalid);
    }

    std::unique_ptr<CCustomFormView> open(int commandId)
    {
        return std::unique_ptr<CCustomFormView>(createEditorView(commandId, *ctx));
    }
    // A deletion elsewhere, as the frame relays it to an open editor and
    // then to the store's records.
    void announceDeleted(Section section, CCustomFormView* view = nullptr)
    {
        ChangeNotice n;
        n.action = NoticeAction::kDeleted;
        n.section = section;
        if (view) view->receiveNotice(n);
        ctx->notifyRecords(n);
    }
};

// Finishes an edit of `w` the way leaving the field does.
inline void leave(QWidget* w)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
}

// Chooses item `index` of a combo box as the user does.
inline void choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
