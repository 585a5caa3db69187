#pragma once
// The Model Information dialog: choose the model name (from every
// identifier of the model database), its frequency range and the
// signalling type. The program's current values change only after OK, by
// the caller.
#include "app/ModelSelection.h"

#include <QDialog>
#include <memory>
#include <string>

class CModelFile;
class CSettingsManager;
class IFrameHost;
class QComboBox;
class QPushButton;

class CDlgModelInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 1070;
    static constexpr int kNameCombo = 1072;
    static constexpr int kRangeCombo = 1074;
    static constexpr int kSignalCombo = 1076;

    CDlgModelInfo(const IFrameHost& host, const CSettingsManager& settings, QWidget* parent = nullptr);
    ~CDlgModelInfo() override;

    // The values gathered so far (the current ones until the user changes one).
    const ModelChoice& choice() const { return m_choice; }

    QComboBox* nameCombo() const { return m_names; }
    QComboBox* rangeCombo() const { return m_ranges; }
    QComboBox* signalCombo() const { return m_signal; }
    QPushButton* okButton() const { return m_ok; }

signals:
    void helpRequested(int contextId);

private:
    void fillRanges(bool withFlags);
    void onNameChanged(int index);
    void updateOk();

    const CSettingsManager& m_settings;
    std::unique_ptr<CModelFile> m_file;
    ModelChoice m_choice;
    QComboBox* m_names;
    QComboBox* m_ranges;
    QComboBox* m_signal;
    QPushButton* m_ok;
};
