#pragma once
// An editor view that hosts a property sheet: the current record is handed
// to every page, load, save and change notices are passed on to the pages
// that have been shown, and the tab that was active when the last view of
// the same kind closed is opened again (the editor context remembers one
// tab per view kind; the first tab at program start).
#include "views/CustomFormView.h"

class CQAVPropertySheet;
class CQAVPropertyPage;

class CSheetFormView : public CCustomFormView {
    Q_OBJECT
public:
    CSheetFormView(int templateId, int viewKind, Section section, EditorContext& context,
                   QWidget* parent = nullptr);
    ~CSheetFormView() override;

    CQAVPropertySheet* sheet() const { return sheet_; }
    // Room for the tallest and widest tab (a scroll area asks for less).
    QSize sizeHint() const override;

protected:
    // Adds the pages to the sheet, in tab order; by default the pages of
    // the view's editor registry row.
    virtual void createPages(CQAVPropertySheet* sheet);

    void buildForm(QWidget* form) final;
    void loadControls(Record* record) override;
    void onNotice(const ChangeNotice& notice) override;
    bool watchesOwnControls() const override { return false; }
    void closeEvent(QCloseEvent* event) override;

private:
    void rememberPage();
    CQAVPropertySheet* sheet_ = nullptr;
};
