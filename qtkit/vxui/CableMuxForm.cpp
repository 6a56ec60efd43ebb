// The cable multiplex add / update form: frequency in MHz with three
// decimals (kept in kHz), symbol rate, QAM, inversion, TS ID, network id and
// original network id, as the cable grid reads them. TPID, Mark, the tail
// and the modulation bits the QAM and inversion do not use are carried.
#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "model/EntryValues.h"
#include "model/RecordChecks.h"
#include "model/RecordTexts.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"
#include "qtkit/vxui/SourceDialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>

int CCableMuxDialogBase::ShowForm(QWidget* owner) {
    const CableMux_Info_Tag start = m_form.Current();
    const bool update = m_form.Preset().has_value();
    const int list = GetProductList();
    CRecordFormDialog dialog(owner, Ui(), ClassName(),
                             update ? QCoreApplication::translate("RecordForm", "Update Multiplex")
                                    : QCoreApplication::translate("RecordForm", "New Multiplex"));
    auto* form = new QFormLayout;
    dialog.Body().addLayout(form);

    QLineEdit* frequency =
        dialog.AddEntry(*form, QCoreApplication::translate("RecordForm", "Frequency (MHz)"),
                        "Frequency", QString::fromStdString(KHzToMHzEntry(start.Frequency)));
    frequency->setAlignment(Qt::AlignRight);
    QLineEdit* symbolRate =
        dialog.AddNumber(*form, QCoreApplication::translate("RecordForm", "Symbol rate (kS/s)"),
                         "SymbolRate", start.SymbolRate);

    QComboBox* qam =
        dialog.AddChoice(*form, QCoreApplication::translate("RecordForm", "QAM"), "QAM");
    for (int code = kFirstQamCode; code <= kLastQamCode; ++code)
        qam->addItem(QString::fromStdString(QamText(code)), code);
    const int code = CableQamCode(start.Modulation, list);
    int chosen = qam->findData(code);
    if (!update) {
        chosen = qam->findData(3); // 64 QAM, the common cable choice
    } else if (chosen < 0) {
        // A code the form does not name is kept unless the user chooses one.
        qam->addItem(QString("-- (code %1)").arg(code), code);
        chosen = qam->count() - 1;
    }
    qam->setCurrentIndex(chosen);

    const int invertMax = CableInvertMax(list);
    QLineEdit* invert = dialog.AddNumber(
        *form, QCoreApplication::translate("RecordForm", "Inversion (0-%1)").arg(invertMax),
        "Invert",
        static_cast<std::uint32_t>(CableInvertValue(start.Modulation, start.Invert, list)));
    QLineEdit* tsid = dialog.AddNumber(*form, QCoreApplication::translate("RecordForm", "TS ID"),
                                       "TSID", start.TSID);
    QLineEdit* network =
        dialog.AddNumber(*form, QCoreApplication::translate("RecordForm", "Network ID"),
                         "NetworkID", start.NetworkID);
    QLineEdit* original =
        dialog.AddNumber(*form, QCoreApplication::translate("RecordForm", "Original network ID"),
                         "OrgNetID", start.OrgNetID);

    CableMux_Info_Tag result = start;
    const int answer = dialog.Run([&]() -> FormProblem {
        CableMux_Info_Tag m = start;
        const auto kHz = MHzEntryToKHz(frequency->text().toStdString());
        if (!kHz)
            return {QCoreApplication::translate("RecordForm",
                                                "Frequency must be a number of MHz with at most "
                                                "three decimals, up to 4294967.295."),
                    frequency};
        m.Frequency = *kHz;
        Phrase problem;
        const auto number = [&](const char* field, QLineEdit* edit, int bits) {
            return NumberEntry(phrase::Text(field), edit->text().toStdString(), bits, problem);
        };
        const auto rate = number(VELMAR_TRANSLATE_NOOP("Velmar", "Symbol rate"), symbolRate, 16);
        if (!rate)
            return {Text(problem), symbolRate};
        const char* inversionField = VELMAR_TRANSLATE_NOOP("Velmar", "Inversion");
        const auto inversion = number(inversionField, invert, 8);
        if (!inversion || *inversion > static_cast<std::uint32_t>(invertMax))
            return {Text(NumberRangePhrase(phrase::Text(inversionField),
                                           static_cast<std::uint32_t>(invertMax))),
                    invert};
        const auto ts = number(VELMAR_TRANSLATE_NOOP("Velmar", "TS ID"), tsid, 16);
        if (!ts)
            return {Text(problem), tsid};
        const auto net = number(VELMAR_TRANSLATE_NOOP("Velmar", "Network ID"), network, 16);
        if (!net)
            return {Text(problem), network};
        const auto org =
            number(VELMAR_TRANSLATE_NOOP("Velmar", "Original network ID"), original, 16);
        if (!org)
            return {Text(problem), original};
        m.SymbolRate = static_cast<WORD>(*rate);
        m.TSID = static_cast<WORD>(*ts);
        m.NetworkID = static_cast<WORD>(*net);
        m.OrgNetID = static_cast<WORD>(*org);
        const CableModulation bytes =
            ComposeCableModulation({start.Modulation, start.Invert}, qam->currentData().toInt(),
                                   static_cast<int>(*inversion), list);
        m.Modulation = bytes.modulation;
        m.Invert = bytes.invert;
        if (Phrase check = CableMuxProblem(TheZorvDB(), m, update ? start.Index : 0);
            !check.Empty())
            return {Text(check), nullptr};
        result = m;
        return {};
    });
    if (answer == IUiSeam::IDOK)
        m_form.Answer(result);
    return answer;
}
