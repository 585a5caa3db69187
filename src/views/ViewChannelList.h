#pragma once
// The channel list: every channel of the codeplug as one row of a grid,
// edited in place through the same conversions as the single-channel
// editor. The row of the current channel is selected; clicking a row makes
// its channel current, and the record navigation bar steps, adds and
// deletes channels here as it does in the single-channel editor.
#include "controls/LanguageSource.h"
#include "views/CustomFormView.h"

class RecordGrid;
class RecordTableModel;

class CViewChannelList : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewChannelList(EditorContext& context, QWidget* parent = nullptr);
    ~CViewChannelList() override;

    RecordGrid* grid() const { return grid_; }
    RecordTableModel* model() const { return model_; }

    // The selected rows as tab-separated text on the clipboard.
    void copySelection();
    // Clipboard text into the selected rows (appended rows without a
    // selection), as one change; what could not be taken is reported.
    void paste(const QString& text);
    void pasteClipboard();
    // Deletes the selected channels; the last channel is never deleted.
    void deleteSelection();
    // Big enough for the whole grid (a scroll area asks for less).
    QSize sizeHint() const override;
    // The list button: back to the single-channel editor on the current channel.
    bool switchEditor() override;

protected:
    void buildForm(QWidget* form) override;
    void loadControls(Record* record) override;
    void onNotice(const ChangeNotice& notice) override;
    bool watchesOwnControls() const override { return false; }

private:
    LanguageSource::Items choices(int column) const;
    void cellWritten(int row, int column, const QString& before, const QString& after);
    void selectCurrentRow();
    void relinkRow(int row);
    void announceList(NoticeAction action, int navAction);

    RecordGrid* grid_ = nullptr;
    RecordTableModel* model_ = nullptr;
    QSize wanted_;
    bool selecting_ = false;
    bool bulk_ = false;   // a paste: its cells are announced as one change
};
