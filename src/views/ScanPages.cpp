#include "views/ScanPages.h"

#include "controls/Binders.h"
#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "model/ScanRecord.h"
#include "views/EditorContext.h"
#include "views/FormTable.h"
#include "views/SectionChoices.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kTxMode = 3846;
constexpr int kDesignated = 3850;
constexpr int kPriorityMode = 3834;
constexpr int kPriorityChannel = 3836;
constexpr int kPriorityDeleteAdd = 3837;
constexpr int kSweepTime = 3844;
constexpr int kEntries = 3943;
constexpr int kMemberBox1 = 3873;
constexpr int kMemberLabel1 = 3905;

constexpr FormControl kConfigControls[] = {
    {3829, FormKind::Label, "CTCSS/CDCSS Scan Mode"},
    {3830, FormKind::Combo, "", "ctcss_cdcss_scan_mode"},
    {3831, FormKind::Label, "Signal Scan Mode"},
    {3832, FormKind::Combo, "", "signal_scan_mode"},
    {3851, FormKind::Label, "Signal Hang Time[s]"},
    {3852, FormKind::Combo, "", "signal_hang_time"},
    {3845, FormKind::Label, "Scan TX Mode"},
    {kTxMode, FormKind::Combo, "", "scan_tx_mode"},
    {3861, FormKind::Check, "Talkback Enable", "talkback_enable", true},
    {3847, FormKind::Label, "Hang Time[s]"},
    {3848, FormKind::Combo, "", "hang_time"},
    {3849, FormKind::Label, "Designated Channel No."},
    {kDesignated, FormKind::Combo},
    {3833, FormKind::Label, "Priority Channel 1"},
    {kPriorityMode, FormKind::Combo, "", "priority_channel_1_mode"},
    {3835, FormKind::Label, "Priority Channel 1 No."},
    {kPriorityChannel, FormKind::Combo},
    {kPriorityDeleteAdd, FormKind::Check, "Priority Channel 1 Delete/Add", "priority_channel_1_delete_add", true},
    {3843, FormKind::Label, "Priority Sweep Time[ms]"},
    {kSweepTime, FormKind::Combo, "", "priority_sweep_time"},
    {3855, FormKind::Check, "Scan Start Alert", "scan_start_alert"},
    {3856, FormKind::Check, "Scan End Alert", "scan_end_alert"},
    {3860, FormKind::Check, "Priority Scan Alert", "priority_scan_alert"},
    {3857, FormKind::Check, "Include Current Channel", "include_current_channel"},
    {3858, FormKind::Check, "Priority Scan in Auto Reset Time", "priority_scan_in_auto_reset"},
    {3854, FormKind::Check, "Nuisance Delete", "nuisance_delete"},
    {3853, FormKind::Check, "Nuisance Reset", "nuisance_reset"},
};

int chosenValue(QWidget* page, int id)
{
    auto* c = findControlAs<QComboBox>(page, id);
    return c && c->currentIndex() >= 0 ? c->currentData().toInt() : -1;
}

// A channel box: the channels by number, the one the link names chosen.
void fillChannelBox(CRecordPage& page, int controlId, int slot)
{
    EditorContext& c = page.context();
    fillNumberedBox(findControlAs<QComboBox>(&page, controlId), c.section(Section::Channels),
                    c.link(Section::ScanList, page.recordId(), slot));
}

// Stores the chosen channel's number and reference; no choice keeps both.
void saveChannelBox(CRecordPage& page, Record& record, int controlId, Offset offset, int slot)
{
    auto* box = findControlAs<QComboBox>(&page, controlId);
    if (!box || box->currentIndex() < 0) return;
    record.setU16(offset, static_cast<std::uint16_t>(box->currentIndex() + 1));
    page.context().setLink(Section::ScanList, page.recordId(), slot, box->currentData().toInt());
}

bool channelsChanged(const ChangeNotice& n)
{
    return (n.action == NoticeAction::kAdded || n.action == NoticeAction::kDeleted) && n.concerns(Section::Channels);
}

}  // namespace

CConfigPage::CConfigPage(EditorContext& context, QWidget* parent) : CRecordPage(3800, context, parent) {}

void CConfigPage::buildPage() { buildFormControls(this, {Section::ScanList, kConfigControls}, bindings()); }

void CConfigPage::matchEnabling()
{
    const int priority = chosenValue(this, kPriorityMode);
    enable(kPriorityChannel, priority == 1);
    enable(kPriorityDeleteAdd, priority > 0);
    enable(kSweepTime, priority > 0);
    enable(kDesignated, chosenValue(this, kTxMode) == 1);
}

void CConfigPage::loadControls(Record&)
{
    fillChannelBox(*this, kDesignated, RecordLink::kDesignated);
    fillChannelBox(*this, kPriorityChannel, RecordLink::kPriority);
    matchEnabling();
}

void CConfigPage::saveControls(Record& record)
{
    saveChannelBox(*this, record, kDesignated, ScanField::DesignatedChannel, RecordLink::kDesignated);
    saveChannelBox(*this, record, kPriorityChannel, ScanField::PriorityChannel, RecordLink::kPriority);
}

void CConfigPage::beforeCommit(int controlId)
{
    if (controlId == kPriorityMode || controlId == kTxMode) matchEnabling();
    if ((controlId == kDesignated || controlId == kPriorityChannel)
        && chosenId(findControlAs<QComboBox>(this, controlId)) >= 0)
        clearInvalidEntry(context(), recordId(), controlId);
}

void CConfigPage::notify(const ChangeNotice& notice)
{
    if (!record() || !channelsChanged(notice)) return;
    save();
    load();
}

CChinnelListPage::CChinnelListPage(EditorContext& context, QWidget* parent) : CRecordPage(3803, context, parent) {}

void CChinnelListPage::buildPage()
{
    auto* grid = new QGridLayout(this);
    auto* entriesLabel = new QLabel(QStringLiteral("Number of Entries in Scan List"), this);
    setControlId(entriesLabel, 3940);
    auto* entries = new QComboBox(this);
    setControlId(entries, kEntries);
    entriesLabel->setBuddy(entries);
    grid->addWidget(entriesLabel, 0, 0, 1, 2);
    grid->addWidget(entries, 0, 2, 1, 2);
    auto binder = makeBinder(entries, *findBoundField(Section::ScanList, "entries"));
    binder->setLabel(entriesLabel);
    bindings().add(std::move(binder));
    // Two columns of eight members.
    for (int k = 0; k < ScanField::kMemberCount; ++k) {
        auto* label = new QLabel(QStringLiteral("Channel %1").arg(k + 1), this);
        setControlId(label, kMemberLabel1 + k);
        auto* box = new QComboBox(this);
        setControlId(box, kMemberBox1 + k);
        label->setBuddy(box);
        const int row = 1 + k % 8, column = k / 8 * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
    }
    grid->setRowStretch(9, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // A new number of entries shows at once which boxes are in use.
    connect(entries, &QComboBox::currentIndexChanged, this, [this] { matchEnabling(); });
}

int CChinnelListPage::usedEntries() const
{
    auto* entries = findControlAs<QComboBox>(this, kEntries);
    return entries && entries->currentIndex() >= 0 ? entries->currentText().toInt() : 0;
}

void CChinnelListPage::matchEnabling()
{
    const int used = usedEntries();
    for (int k = 0; k < ScanField::kMemberCount; ++k) enable(kMemberBox1 + k, k < used);
}

void CChinnelListPage::loadControls(Record&)
{
    for (int k = 0; k < ScanField::kMemberCount; ++k) fillChannelBox(*this, kMemberBox1 + k, RecordLink::kMember1 + k);
    matchEnabling();
}

void CChinnelListPage::saveControls(Record& record)
{
    for (int k = 0; k < ScanField::kMemberCount; ++k)
        saveChannelBox(*this, record, kMemberBox1 + k, ScanField::member(k), RecordLink::kMember1 + k);
}

void CChinnelListPage::beforeCommit(int controlId)
{
    if (controlId >= kMemberBox1 && controlId < kMemberBox1 + ScanField::kMemberCount
        && chosenId(findControlAs<QComboBox>(this, controlId)) >= 0)
        clearInvalidEntry(context(), recordId(), controlId);
}

void CChinnelListPage::notify(const ChangeNotice& notice)
{
    if (!record() || !channelsChanged(notice)) return;
    save();
    load();
}
