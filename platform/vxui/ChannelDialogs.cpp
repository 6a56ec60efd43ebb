#include "platform/vxui/ChannelDialogs.h"

#include "model/DescriptionTexts.h"
#include "model/RecordChecks.h"
#include "platform/AnsiText.h"

namespace {
QString Text(const std::string& text) {
    return FromAnsi(text);
}
} // namespace

ChannelFormInput CChannelDialogBase::FormInput(const Product& product, int nameLength) const {
    ChannelFormInput in;
    in.record = m_form.Current();
    in.channelMode = m_bChannelMode;
    for (const auto& s : m_satellites)
        in.satellites.push_back({Text(SatelliteChoiceText(s)), s.ID});
    in.transponders = m_transponders;
    for (const auto& b : m_broadcasts)
        in.broadcasts.push_back({Text(BroadcastChoiceText(b)), b.BroadcastID});
    in.favorites = m_favorites;
    in.product = product;
    in.nameLength = nameLength;
    return in;
}

int CChannelDialogBase::ShowForm(QWidget* owner) {
    CChannelForm form(Ui(), FormInput(Product::Current(), PolicyChannelNameLength()), owner);
    form.setObjectName(ClassName());
    if (form.exec() != QDialog::Accepted)
        return IUiSeam::IDCANCEL;
    m_form.Answer(form.Record());
    return IUiSeam::IDOK;
}

ChannelFormInput CDlgMuxCHAddUpdate::FormInput(const Product& product, int nameLength) const {
    ChannelFormInput in = CChannelDialogBase::FormInput(product, nameLength);
    in.mux = true;
    in.satellites.clear();
    in.transponders.clear();
    for (const auto& m : m_muxes)
        in.muxes.push_back({Text(TerrestrialMuxChoiceText(m.NameIndex, m.Params, m.TPID)), m.TPID});
    for (int tpid : m_cableMuxIds)
        in.muxes.push_back({QObject::tr("Multiplex %1").arg(tpid), tpid});
    for (const auto& t : m_muxTransponders)
        in.muxes.push_back(
            {Text(TerrestrialMuxChoiceText(TpNameIndex(t), TpParams(t), t.TPID)), t.TPID});
    return in;
}
