#include "qtkit/vxui/ChannelDialogs.h"

#include "model/DescriptionTexts.h"
#include "model/RecordChecks.h"
#include "qtkit/vxui/RecordFormDialog.h"

namespace {
QString Text(const std::string& text) {
    return AnsiFieldText(text.data(), text.size());
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

std::unique_ptr<CChannelDialogBase> MakeChannelDialog(IUiSeam& ui,
                                                      const ChannelDialogSetup& setup) {
    std::unique_ptr<CChannelDialogBase> dialog;
    if (setup.dialog == ChannelDialogKind::Mux) {
        auto mux = std::make_unique<CDlgMuxCHAddUpdate>(ui);
        if (setup.channelMode)
            mux->SetChannelMode(*setup.channelMode);
        for (const SMux_Info_Tag* m : setup.terrestrialMuxes)
            mux->AddMuxList(m);
        for (int tpid : setup.cableMuxIds)
            mux->AddMuxList(tpid);
        for (const Transponder_Info_Tag* t : setup.terrestrialTransponders)
            mux->AddMuxList(t);
        dialog = std::move(mux);
    } else {
        dialog = std::make_unique<CDlgCHAddUpdate>(ui);
        if (setup.channelMode)
            dialog->SetChannelMode(*setup.channelMode);
        for (const Satellite_Info_Tag* s : setup.satellites)
            dialog->AddSatList(s);
        for (const Transponder_Info_Tag* t : setup.transponders)
            dialog->AddTPList(t);
    }
    for (const Broadcast_Info_Tag* b : setup.broadcasts)
        dialog->AddBroadcastList(b);
    for (const Channel_Info_Tag* c : setup.channels)
        dialog->AddChannelList(c);
    for (const FavoriteChoice& f : setup.favorites)
        dialog->AddFavoriteList(f);
    dialog->SetChannelInfo(&setup.record);
    return dialog;
}
