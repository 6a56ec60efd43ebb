// The transponder add / update form: the satellite (from the list the caller
// gave), frequency in MHz, symbol rate in kS/s, polarisation, FEC and TS ID.
// The other bits of PolFEC, Word4, Byte5, TPID and the extension bytes are
// carried as the record had them.
#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "model/EntryValues.h"
#include "model/Product.h"
#include "model/RecordChecks.h"
#include "model/RecordTexts.h"
#include "platform/DisplayTexts.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"
#include "qtkit/vxui/SourceDialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>

namespace {

QString SatelliteItemText(const Satellite_Info_Tag& s) {
    return QString("%1 (%2)").arg(AnsiFieldText(s.Name, sizeof s.Name),
                                  QString::fromStdString(DegreeText(s.Degree)));
}

} // namespace

int CTransponderDialogBase::ShowForm(QWidget* owner) {
    const Transponder_Info_Tag start = m_form.Current();
    const bool update = m_form.Preset() && m_form.Preset()->Index != 0;
    CRecordFormDialog dialog(owner, Ui(), ClassName(),
                             update
                                 ? QCoreApplication::translate("RecordForm", "Update Transponder")
                                 : QCoreApplication::translate("RecordForm", "New Transponder"));
    auto* form = new QFormLayout;
    dialog.Body().addLayout(form);

    QComboBox* satellite = dialog.AddChoice(
        *form, QCoreApplication::translate("RecordForm", "Satellite"), "Satellite");
    for (const Satellite_Info_Tag& s : m_satellites)
        satellite->addItem(SatelliteItemText(s), int{s.ID});
    int chosen = satellite->findData(int{start.SatID});
    if (chosen < 0 && start.SatID != 0) {
        // A satellite the list leaves out stays chosen unless the user
        // chooses another.
        satellite->addItem(
            QCoreApplication::translate("RecordForm", "Satellite ID %1").arg(start.SatID),
            int{start.SatID});
        chosen = satellite->count() - 1;
    }
    satellite->setCurrentIndex(chosen);
    satellite->setPlaceholderText(QCoreApplication::translate("RecordForm", "Choose a satellite"));

    QLineEdit* frequency =
        dialog.AddNumber(*form, QCoreApplication::translate("RecordForm", "Frequency (MHz)"),
                         "Frequency", start.Frequency);
    QLineEdit* symbolRate =
        dialog.AddNumber(*form, QCoreApplication::translate("RecordForm", "Symbol rate (kS/s)"),
                         "SymbolRate", start.SymbolRate);
    QComboBox* polarisation = dialog.AddChoice(
        *form, QCoreApplication::translate("RecordForm", "Polarisation"), "Polarisation");
    polarisation->addItem(QCoreApplication::translate("RecordForm", "H (horizontal)"), true);
    polarisation->addItem(QCoreApplication::translate("RecordForm", "V (vertical)"), false);
    polarisation->setCurrentIndex(IsHorizontal(start.PolFEC) ? 0 : 1);

    // The FEC names follow the extension's modulation on the lists that have it.
    const bool extension = HasTransponderExtension(GetProductList());
    const int a = extension ? (start.ExtByte1 & 0x0F) : 0, b = extension ? start.ExtByte2 : 0;
    QComboBox* fec =
        dialog.AddChoice(*form, QCoreApplication::translate("RecordForm", "FEC"), "FEC");
    for (int code = 0; code < kFecCodeCount; ++code) {
        char name[kDisplayTextMax] = {};
        GetFECName(a, b, code << 4, name);
        const QString text(name);
        // Codes without a rate of their own are told apart by their number.
        fec->addItem(text.endsWith("--") ? QString("%1 (code %2)").arg(text).arg(code) : text,
                     code);
    }
    fec->setCurrentIndex(FecCode(start.PolFEC));
    QLineEdit* tsid = dialog.AddNumber(*form, QCoreApplication::translate("RecordForm", "TS ID"),
                                       "TSID", start.TSID);

    Transponder_Info_Tag result = start;
    const int answer = dialog.Run([&]() -> FormProblem {
        Transponder_Info_Tag t = start;
        if (satellite->currentIndex() < 0)
            return {QCoreApplication::translate("RecordForm",
                                                "Satellite must be chosen from the list."),
                    satellite};
        t.SatID = static_cast<BYTE>(satellite->currentData().toInt());
        Phrase problem;
        const auto mhz = NumberEntry(phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Frequency")),
                                     frequency->text().toStdString(), 16, problem);
        if (!mhz)
            return {Text(problem), frequency};
        const auto rate = NumberEntry(phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Symbol rate")),
                                      symbolRate->text().toStdString(), 16, problem);
        if (!rate)
            return {Text(problem), symbolRate};
        const auto ts = NumberEntry(phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "TS ID")),
                                    tsid->text().toStdString(), 16, problem);
        if (!ts)
            return {Text(problem), tsid};
        t.Frequency = static_cast<WORD>(*mhz);
        t.SymbolRate = static_cast<WORD>(*rate);
        t.TSID = static_cast<WORD>(*ts);
        t.PolFEC = ComposePolFec(start.PolFEC, polarisation->currentData().toBool(),
                                 fec->currentData().toInt());
        if (Phrase check = TransponderProblem(TheZorvDB(), t, update ? start.Index : 0);
            !check.Empty())
            return {Text(check), satellite};
        result = t;
        return {};
    });
    if (answer == IUiSeam::IDOK)
        m_form.Answer(result);
    return answer;
}
