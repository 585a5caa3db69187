#pragma once
// The Language dialog: the languages of caption text 1039, the current one
// selected.
#include <QDialog>

class IFrameHost;
class QComboBox;

class CDlgLanguage : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 1037;
    static constexpr int kCombo = 1039;

    CDlgLanguage(const IFrameHost& host, const std::vector<std::string>& names, QWidget* parent = nullptr);

    // The chosen language index; -1 when nothing is selected.
    int selectedIndex() const;
    QComboBox* combo() const { return m_combo; }

signals:
    void helpRequested(int contextId);

private:
    QComboBox* m_combo;
};
