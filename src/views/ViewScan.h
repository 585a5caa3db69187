#pragma once
// The scan list editor: "Scan configuration" and "Channel list" on the
// current scan list.
#include "views/SheetFormView.h"

class CViewScan : public CSheetFormView {
    Q_OBJECT
public:
    explicit CViewScan(EditorContext& context, QWidget* parent = nullptr);

protected:
    void createPages(CQAVPropertySheet* sheet) override;
};
