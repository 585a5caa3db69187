#include "views/ViewChannelList.h"

#include "controls/ControlId.h"
#include "model/ChannelTexts.h"
#include "settings/TextFormat.h"
#include "settings/TextIds.h"
#include "app/ChannelGridTable.h"
#include "views/EditorRegistry.h"
#include "views/GridClipboard.h"
#include "views/RecordGrid.h"
#include "views/RecordTableDelegate.h"
#include "views/RecordTableModel.h"
#include "views/SectionChoices.h"
#include "views/ViewIds.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kPersonalityColumn = 10;
constexpr int kScanColumn = 11;
}  // namespace

CViewChannelList::CViewChannelList(EditorContext& context, QWidget* parent)
    : CCustomFormView(FormId::kChannelList, ViewCommand::kChannelList, Section::Channels, context, parent)
{
}

CViewChannelList::~CViewChannelList()
{
    if (!grid_ || !model_) return;
    // A cell being edited is committed now, while this view is whole: the
    // base class's destructor moves the focus, and a commit then would call
    // back into the parts of this view that are already gone. Moving the
    // current cell commits and closes the open editor.
    grid_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    model_->setRowRule({});
    disconnect(model_, nullptr, this, nullptr);
    disconnect(grid_, nullptr, this, nullptr);
    disconnect(grid_->selectionModel(), nullptr, this, nullptr);
}

bool CViewChannelList::switchEditor()
{
    save();
    // The single-channel editor's title is its tree entry's text ("Channel").
    const std::string title = context().language().caption(FormId::kChannel);
    emit editorRequested(ViewCommand::kChannel,
                         title.empty() ? QStringLiteral("Channel") : QString::fromStdString(title).remove('&'));
    return true;
}

void CViewChannelList::buildForm(QWidget* form)
{
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    grid_ = new RecordGrid(form);
    setControlId(grid_, ChannelGridTable::kGrid);
    layout->addWidget(grid_);
    form->setWindowTitle(QStringLiteral("Channel List"));

    SectionAccess* channels = context().section(Section::Channels);
    if (!channels) return;
    model_ = new RecordTableModel(ChannelGridTable::config(), *channels, context().language(), this);
    model_->setBand(FreqBand::of(context().model()));
    model_->setChoices([this](int column) { return choices(column); });
    // Whatever a cell changed, the channel keeps its frequencies in the band
    // and no transmit frequency without a receive one.
    model_->setRowRule([this](Record& r) { normaliseChannel(r, FreqBand::of(context().model())); });
    grid_->setModel(model_);
    grid_->setItemDelegate(new RecordTableDelegate(context().language(), grid_));
    // Each column at least as wide as its heading, so no heading is cut.
    QHeaderView* header = grid_->horizontalHeader();
    int total = grid_->verticalHeader()->sizeHint().width() + 4;
    for (int c = 0; c < model_->columnCount(); ++c) {
        const int heading = header->fontMetrics().horizontalAdvance(model_->headingText(c)) + 16;
        grid_->setColumnWidth(c, std::max(model_->column(c).width, heading));
        total += grid_->columnWidth(c);
    }
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
    header->setStretchLastSection(true);
    // Room for every column and the sixteen rows, as far as the screen allows.
    wanted_ = QSize(std::min(total, 1100), (grid_->fontMetrics().height() + 8) * 17 + 8);
    connect(model_, &RecordTableModel::cellWritten, this, &CViewChannelList::cellWritten);
    connect(grid_, &RecordGrid::copyRequested, this, &CViewChannelList::copySelection);
    connect(grid_, &RecordGrid::pasteRequested, this, &CViewChannelList::pasteClipboard);
    connect(grid_, &RecordGrid::deleteRequested, this, &CViewChannelList::deleteSelection);
    connect(model_, &RecordTableModel::message, this, &CCustomFormView::pageMessage);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!selecting_ && current.isValid()) pickRecord(current.row());
            });
}

QSize CViewChannelList::sizeHint() const
{
    return wanted_.expandedTo(CCustomFormView::sizeHint()) + QSize(4, 4);
}

LanguageSource::Items CViewChannelList::choices(int column) const
{
    LanguageSource::Items items;
    if (column == kPersonalityColumn) {
        // Personalities by their position, numbered from 1.
        SectionAccess* s = context().section(Section::Personalities);
        for (int i = 0; s && i < s->count(); ++i) items.push_back({i, std::to_string(i + 1)});
    } else if (column == kScanColumn) {
        const std::string none = context().language().caption(3706);
        items.push_back({0, none.empty() ? std::string("None") : none});
        SectionAccess* s = context().section(Section::ScanList);
        for (int i = 0; s && i < s->count(); ++i) items.push_back({i + 1, std::to_string(i + 1)});
    }
    return items;
}

void CViewChannelList::selectCurrentRow()
{
    if (!model_) return;
    selecting_ = true;
    const int row = currentIndex();
    if (row >= 0) grid_->selectRow(row);
    else grid_->clearSelection();
    selecting_ = false;
}

void CViewChannelList::loadControls(Record*)
{
    if (!model_) return;
    model_->refresh();
    selectCurrentRow();
}

void CViewChannelList::relinkRow(int row)
{
    // The personality and scan-list cells set the channel's references as
    // the Miscellaneous tab's boxes do, and a valid choice clears the entry
    // of a reference that led nowhere.
    SectionAccess* channels = context().section(Section::Channels);
    Record* r = channels ? channels->at(row) : nullptr;
    if (!r) return;
    const int recordId = channels->idAt(row);
    SectionAccess* personalities = context().section(Section::Personalities);
    SectionAccess* scans = context().section(Section::ScanList);
    const int personality = personalities ? personalities->idAt(r->u8(18)) : 0;
    const int scan = r->u8(19);
    const int scanId = scan == 0 || !scans ? 0 : scans->idAt(scan - 1);
    context().setLink(Section::Channels, recordId, RecordLink::kPersonality, personality);
    context().setLink(Section::Channels, recordId, RecordLink::kScanList, scanId);
    if (personality != 0) clearInvalidEntry(context(), recordId, 3703);
    if (scan == 0 || scanId != 0) clearInvalidEntry(context(), recordId, 3706);
}

void CViewChannelList::cellWritten(int row, int column, const QString& before, const QString& after)
{
    SectionAccess* channels = context().section(Section::Channels);
    if (!channels) return;
    const int recordId = channels->idAt(row);
    const TableColumn& c = model_->column(column);
    if (column == kPersonalityColumn || column == kScanColumn) relinkRow(row);
    if (bulk_) return;
    ChangeNotice n;
    n.source = this;
    n.controlId = c.headingId + 1;
    n.action = NoticeAction::kEdited;
    n.section = Section::Channels;
    n.recordId = recordId;
    n.label = model_->headingText(column).toStdString();
    // The row names the channel, as in the test-frequency grids.
    n.fieldName = n.label + " " + std::to_string(row + 1);
    n.caption = windowTitle().toStdString() + " - " + std::to_string(row + 1);
    if (before != after) {
        n.text3 = before.toStdString();
        n.text4 = after.toStdString();
    }
    announce(n);
}

void CViewChannelList::onNotice(const ChangeNotice& notice)
{
    if (!model_ || notice.source == this) return;
    // Another editor's change of a channel, or records added or deleted
    // anywhere (the personality and scan choices count them): refill.
    const bool channels = notice.concerns(Section::Channels) && notice.action != NoticeAction::kMoved;
    const bool list = notice.action == NoticeAction::kAdded || notice.action == NoticeAction::kDeleted;
    if (channels || list || notice.action == NoticeAction::kReload) {
        model_->refresh();
        selectCurrentRow();
    }
}

void CViewChannelList::copySelection()
{
    if (!model_) return;
    QList<int> rows = grid_->selectedRows();
    if (rows.isEmpty() && currentIndex() >= 0) rows << currentIndex();
    if (rows.isEmpty()) return;
    QGuiApplication::clipboard()->setText(GridClipboard::copyRows(*model_, rows));
}

void CViewChannelList::pasteClipboard() { paste(QGuiApplication::clipboard()->text()); }

void CViewChannelList::announceList(NoticeAction action, int navAction)
{
    ChangeNotice n;
    n.source = this;
    n.controlId = ChannelGridTable::kGrid;
    n.action = action;
    n.navigation = navAction;
    n.section = Section::Channels;
    n.recordId = -1;  // several records
    n.caption = windowTitle().toStdString();
    announce(n);
}

void CViewChannelList::paste(const QString& text)
{
    SectionAccess* channels = context().section(Section::Channels);
    if (!model_ || !channels) return;
    if (text.trimmed().isEmpty()) {
        emit pageMessage(MsgId::kPasteNothing);
        return;
    }
    const QList<int> rows = grid_->selectedRows();
    const int first = rows.isEmpty() ? channels->count() : rows.front();
    const int countBefore = channels->count();
    const int current = currentId();
    bulk_ = true;
    const GridClipboard::PasteResult result = GridClipboard::pasteRows(
        *model_, *channels, first, text, EditorRegistry::recordLimit(Section::Channels));
    bulk_ = false;
    for (int row = first; row < first + result.rowsWritten; ++row) relinkRow(row);

    // One change for the whole paste (one step to undo), and the new rows
    // as added records for the tree and the other editors.
    if (result.rowsAdded > 0) {
        announceList(NoticeAction::kAdded, NavAction::kNew);
        emit navigated(NavAction::kNew, std::max(channels->indexOfId(current), 0) + 1, channels->count());
    }
    if (result.rowsWritten > 0) announceList(NoticeAction::kEdited, -1);
    selectCurrentRow();
    if (channels->count() > countBefore) grid_->selectRow(channels->count() - 1);

    const LanguageSource& lang = context().language();
    QStringList report;
    if (!result.refused.isEmpty()) {
        report << QString::fromStdString(lang.message(MsgId::kPasteCellsRefused));
        for (const GridClipboard::RefusedCell& cell : result.refused)
            report << QString::fromStdString(formatText(lang.message(MsgId::kPasteCellPlace),
                                                        {std::to_string(cell.row + 1),
                                                         model_->headingText(cell.column).toStdString(),
                                                         lang.message(cell.messageId)}));
    }
    if (result.rowsLeftOut > 0)
        report << QString::fromStdString(formatText(lang.message(MsgId::kPasteRowsLeftOut),
                                                    {std::to_string(result.rowsLeftOut),
                                                     std::to_string(EditorRegistry::recordLimit(Section::Channels))}));
    if (result.clamped > 0) report << QString::fromStdString(lang.message(MsgId::kFreqOutOfBand));
    if (!report.isEmpty()) emit textMessage(report.join('\n'));
}

void CViewChannelList::deleteSelection()
{
    SectionAccess* channels = context().section(Section::Channels);
    if (!model_ || !channels) return;
    QList<int> rows = grid_->selectedRows();
    if (rows.isEmpty() && currentIndex() >= 0) rows << currentIndex();
    // The last channel stays: with every row chosen, the first one is kept.
    if (rows.size() >= channels->count()) rows.removeFirst();
    if (rows.isEmpty()) return;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) channels->remove(*it);
    announceList(NoticeAction::kDeleted, NavAction::kDelete);
    reloadKeepingPlace();
    emit navigated(NavAction::kDelete, currentIndex() + 1, channels->count());
}
