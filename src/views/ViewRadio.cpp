#include "views/ViewRadio.h"

#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "model/ProgrammingStamp.h"
#include "model/RadioInfoRecord.h"
#include "settings/ModelValues.h"
#include "views/FormTable.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

#include <QLineEdit>

namespace {

namespace Ctl {
constexpr int kModelName = 1111;
constexpr int kFreqRange = 1113;
constexpr int kSerial = 1115;
constexpr int kFirmware = 1117;
constexpr int kSignalling = 1119;
constexpr int kLastProgrammed = 1121;
}  // namespace Ctl

constexpr int kSignallingList = 1076;

constexpr FormControl kControls[] = {
    {1110, FormKind::Label, "Model Name"},
    {Ctl::kModelName, FormKind::Display, "", "model_name"},
    {1112, FormKind::Label, "Frequency Range[MHz]"},
    {Ctl::kFreqRange, FormKind::Display},
    {1114, FormKind::Label, "Serial Number"},
    {Ctl::kSerial, FormKind::Display, "", "serial_number"},
    {1116, FormKind::Label, "Firmware Version"},
    {Ctl::kFirmware, FormKind::Display},
    {1118, FormKind::Label, "Signaling Type"},
    {Ctl::kSignalling, FormKind::Display},
    {1120, FormKind::Label, "Last Programmed Date"},
    {Ctl::kLastProgrammed, FormKind::Display},
};

}  // namespace

CViewRadio::CViewRadio(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kRadio), context, parent)
{
}

FormTable CViewRadio::controls() { return {Section::RadioInfo, kControls}; }

void CViewRadio::buildForm(QWidget* form)
{
    buildFormControls(form, controls(), bindings());
    form->setWindowTitle(QStringLiteral("Radio Information"));
}

QString CViewRadio::stampText(const std::array<std::uint8_t, 8>& s)
{
    return QString::fromStdString(programmingStampText(s));
}

void CViewRadio::loadControls(Record* record)
{
    auto show = [this](int id, const QString& text) {
        if (auto* edit = findControlAs<QLineEdit>(form(), id)) edit->setText(text);
    };
    const ModelValues& model = context().model();
    show(Ctl::kFreqRange, QStringLiteral("%1-%2").arg(model.lowMHz()).arg(model.highMHz()));
    show(Ctl::kFirmware, QStringLiteral("V") + QString::fromStdString(context().firmwareVersion()).left(7));
    show(Ctl::kSignalling,
         QString::fromStdString(context().language().textForValue(kSignallingList, model.signal)));
    if (!record) {
        show(Ctl::kLastProgrammed, {});
        return;
    }
    std::array<std::uint8_t, 8> stamp{};
    const auto bytes = record->bytes(RadioInfoField::Stamp, stamp.size());
    std::copy(bytes.begin(), bytes.end(), stamp.begin());
    show(Ctl::kLastProgrammed, stampText(stamp));
}
