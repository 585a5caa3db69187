#pragma once
// The "Miscellaneous" tab of the channel editor: the personality and the
// scan list the channel uses, chosen by number among the records that
// exist now, and the auto start scan and ATIS flags. Choosing a valid item
// takes back the invalid-value entry of a reference that led nowhere.
#include "views/RecordPage.h"

class CPageChanMisc : public CRecordPage {
    Q_OBJECT
public:
    explicit CPageChanMisc(EditorContext& context, QWidget* parent = nullptr);

    void notify(const ChangeNotice& notice) override;

protected:
    void buildPage() override;
    void loadControls(Record& record) override;
    void saveControls(Record& record) override;
    void beforeCommit(int controlId) override;

private:
    void fillBoxes();
};
