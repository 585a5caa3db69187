#pragma once
// The "Basic" tab of the channel editor: spacing, power, and for each
// direction the frequency, the tone type and the two tone boxes, plus the
// button that copies the receive settings to the transmit side. An empty
// receive frequency leaves the channel without a transmit frequency, and
// only the tone box of the chosen type can be edited.
#include "views/RecordPage.h"

class CFreqEdit;

class CPageChanBasic : public CRecordPage {
    Q_OBJECT
public:
    explicit CPageChanBasic(EditorContext& context, QWidget* parent = nullptr);

    void notify(const ChangeNotice& notice) override;

protected:
    void buildPage() override;
    void setupPage() override;
    void loadControls(Record& record) override;
    void saveControls(Record& record) override;
    void beforeCommit(int controlId) override;
    bool commitsOnFocus() const override { return true; }

private:
    void matchTransmitEdit();
    void matchToneBoxes();
    void copyReceiveToTransmit();

    CFreqEdit* rxFreq_ = nullptr;
    CFreqEdit* txFreq_ = nullptr;
};
