#pragma once
// The two tabs of the scan list editor. "Scan configuration" holds the
// scan modes, hang times, the priority channel and the alerts; the
// designated and priority channel boxes offer the channels by number, and
// only the settings the chosen modes use can be edited. "Channel list"
// holds the number of entries and one member box per entry; only the boxes
// of used entries can be edited.
//
// A channel box without a choice (its channel was deleted) keeps the stored
// number: the scan list is listed as invalid until a channel is chosen,
// and saving another field does not overwrite the number.
#include "views/RecordPage.h"

class QComboBox;

class CConfigPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CConfigPage(EditorContext& context, QWidget* parent = nullptr);
    void notify(const ChangeNotice& notice) override;

protected:
    void buildPage() override;
    void loadControls(Record& record) override;
    void saveControls(Record& record) override;
    void beforeCommit(int controlId) override;

private:
    void matchEnabling();
};

class CChinnelListPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CChinnelListPage(EditorContext& context, QWidget* parent = nullptr);
    void notify(const ChangeNotice& notice) override;

    // How many member boxes are in use (the entries box's value).
    int usedEntries() const;

protected:
    void buildPage() override;
    void loadControls(Record& record) override;
    void saveControls(Record& record) override;
    void beforeCommit(int controlId) override;

private:
    void matchEnabling();
};
