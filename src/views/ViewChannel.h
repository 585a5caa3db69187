#pragma once
// The single-channel editor: the "Basic" and "Miscellaneous" tabs on the
// current channel. Its navigation bar's list button hands over to the
// channel list, which shows every channel as a row.
#include "views/SheetFormView.h"

class CViewChannel : public CSheetFormView {
    Q_OBJECT
public:
    explicit CViewChannel(EditorContext& context, QWidget* parent = nullptr);

    bool switchEditor() override;

protected:
    void createPages(CQAVPropertySheet* sheet) override;
};
