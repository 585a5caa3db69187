#pragma once
// The two-tone systems, one record at a time, on two tabs (Basic and
// Advanced, the pages of its registry row).
#include "views/SheetFormView.h"

class CViewTToneSystem : public CSheetFormView {
    Q_OBJECT
public:
    explicit CViewTToneSystem(EditorContext& context, QWidget* parent = nullptr);
};
