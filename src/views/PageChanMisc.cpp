#include "views/PageChanMisc.h"

#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "model/ChannelRecord.h"
#include "views/EditorContext.h"
#include "views/FormTable.h"
#include "views/SectionChoices.h"

#include <QComboBox>

namespace {

constexpr int kPersonalityBox = 3703;
constexpr int kScanBox = 3706;

constexpr FormControl kControls[] = {
    {3702, FormKind::Label, "Personality List"},
    {kPersonalityBox, FormKind::Combo},
    {3705, FormKind::Label, "Scan List"},
    {kScanBox, FormKind::Combo},
    {3707, FormKind::Check, "Auto Start Scan", "auto_start_scan"},
    {3714, FormKind::Check, "ATIS", "atis"},
};

}  // namespace

CPageChanMisc::CPageChanMisc(EditorContext& context, QWidget* parent) : CRecordPage(3657, context, parent) {}

void CPageChanMisc::buildPage() { buildFormControls(this, {Section::Channels, kControls}, bindings()); }

void CPageChanMisc::fillBoxes()
{
    EditorContext& c = context();
    const int id = recordId();
    fillNumberedBox(findControlAs<QComboBox>(this, kPersonalityBox), c.section(Section::Personalities),
                    c.link(Section::Channels, id, RecordLink::kPersonality));
    // The first scan choice is "no scan list".
    const std::string none = language().caption(kScanBox);
    fillNumberedBox(findControlAs<QComboBox>(this, kScanBox), c.section(Section::ScanList),
                    c.link(Section::Channels, id, RecordLink::kScanList),
                    none.empty() ? QStringLiteral("None") : QString::fromStdString(none), true);
}

void CPageChanMisc::loadControls(Record&) { fillBoxes(); }

void CPageChanMisc::saveControls(Record& record)
{
    using namespace ChannelField;
    EditorContext& c = context();
    // A box without a choice leaves its byte and reference as they are.
    if (auto* box = findControlAs<QComboBox>(this, kPersonalityBox); box && box->currentIndex() >= 0) {
        record.setU8(Personality, static_cast<std::uint8_t>(box->currentIndex()));
        c.setLink(Section::Channels, recordId(), RecordLink::kPersonality, box->currentData().toInt());
    }
    if (auto* box = findControlAs<QComboBox>(this, kScanBox); box && box->currentIndex() >= 0) {
        record.setU8(ScanList, static_cast<std::uint8_t>(box->currentIndex()));
        c.setLink(Section::Channels, recordId(), RecordLink::kScanList, box->currentData().toInt());
    }
}

void CPageChanMisc::beforeCommit(int controlId)
{
    if (controlId != kPersonalityBox && controlId != kScanBox) return;
    if (chosenId(findControlAs<QComboBox>(this, controlId)) >= 0) clearInvalidEntry(context(), recordId(), controlId);
}

void CPageChanMisc::notify(const ChangeNotice& notice)
{
    if (!record() || notice.source == this) return;
    // A personality or scan list added or deleted elsewhere changes what
    // the boxes offer; an edit of this channel elsewhere changes its choice.
    if (notice.action == NoticeAction::kAdded || notice.action == NoticeAction::kDeleted) {
        save();
        load();
    } else if (notice.action == NoticeAction::kEdited && notice.concerns(Section::Channels)
               && notice.recordId == recordId()) {
        load();
    }
}
