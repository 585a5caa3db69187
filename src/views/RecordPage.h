#pragma once
// A property page that also reaches the rest of the codeplug through the
// editor context: the sections its record refers to, the references
// themselves and the invalid-value list. The channel, scan list and
// personality pages are such pages.
#include "views/QAVPropertyPage.h"

class EditorContext;

class CRecordPage : public CQAVPropertyPage {
    Q_OBJECT
public:
    CRecordPage(int templateId, EditorContext& context, QWidget* parent = nullptr);

    EditorContext& context() const { return context_; }

protected:
    // Enables control `id` unless the current model disables it.
    void enable(int id, bool on);

private:
    EditorContext& context_;
};
