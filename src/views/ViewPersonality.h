#pragma once
// The personality editor: RXTX, Squelch, PTT-ID and Signaling on the
// current personality.
#include "views/SheetFormView.h"

class CViewPersonality : public CSheetFormView {
    Q_OBJECT
public:
    explicit CViewPersonality(EditorContext& context, QWidget* parent = nullptr);

protected:
    void createPages(CQAVPropertySheet* sheet) override;
};
