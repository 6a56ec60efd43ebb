// The channel add / update dialogs: CDlgCHAddUpdate for satellite channels
// and CDlgMuxCHAddUpdate for channels of a multiplex. Each takes the lists
// the user chooses from and the channel record, and returns the whole
// record as the user left it.
#pragma once

#include "model/ChannelDialogs.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "qtkit/vxui/ChannelForm.h"
#include "qtkit/vxui/RecordForm.h"
#include "qtkit/vxui/VxDialog.h"

#include <memory>
#include <optional>
#include <vector>

class CChannelDialogBase : public CVxDialog {
public:
    using Result = Channel_Info_Tag;

    // New only: true for a TV channel, false for a radio channel.
    void SetChannelMode(bool tv) { m_bChannelMode = tv; }
    // Each call adds one entry to a list (a null record adds nothing).
    void AddSatList(const Satellite_Info_Tag* satellite) { Add(m_satellites, satellite); }
    void AddTPList(const Transponder_Info_Tag* transponder) { Add(m_transponders, transponder); }
    void AddBroadcastList(const Broadcast_Info_Tag* broadcast) { Add(m_broadcasts, broadcast); }
    void AddChannelList(const Channel_Info_Tag* channel) { Add(m_channels, channel); }
    // One membership check box per favourite list.
    void AddFavoriteList(const FavoriteChoice& list) { m_favorites.push_back(list); }
    void SetChannelInfo(const Channel_Info_Tag* channel) { m_form.Set(channel); }
    Channel_Info_Tag GetChannelInfo() const { return m_form.Current(); }
    void Answer(const Channel_Info_Tag& channel) { m_form.Answer(channel); }

    // What the dialog was given.
    std::optional<bool> ChannelMode() const { return m_bChannelMode; }
    const std::vector<Satellite_Info_Tag>& SatList() const { return m_satellites; }
    const std::vector<Transponder_Info_Tag>& TPList() const { return m_transponders; }
    const std::vector<Broadcast_Info_Tag>& BroadcastList() const { return m_broadcasts; }
    const std::vector<Channel_Info_Tag>& ChannelList() const { return m_channels; }
    const std::vector<FavoriteChoice>& FavoriteLists() const { return m_favorites; }
    const std::optional<Channel_Info_Tag>& PresetChannel() const { return m_form.Preset(); }

    // What the form shows: the record and the lists, for this product with
    // channel names of at most what its entries keep (`nameLength` is the
    // policy's L).
    virtual ChannelFormInput FormInput(const Product& product, int nameLength) const;
    // The channel form for the product the policy names.
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;
    template <class T> static void Add(std::vector<T>& list, const T* record) {
        if (record)
            list.push_back(*record);
    }

private:
    std::optional<bool> m_bChannelMode;
    std::vector<Satellite_Info_Tag> m_satellites;
    std::vector<Transponder_Info_Tag> m_transponders;
    std::vector<Broadcast_Info_Tag> m_broadcasts;
    std::vector<Channel_Info_Tag> m_channels;
    std::vector<FavoriteChoice> m_favorites;
    CRecordForm<Channel_Info_Tag> m_form;
};

class CDlgCHAddUpdate final : public CVxDialogOf<CDlgCHAddUpdate, CChannelDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgCHAddUpdate";
    explicit CDlgCHAddUpdate(IUiSeam& ui) : CVxDialogOf(ui) {}
};

class CDlgMuxCHAddUpdate final : public CVxDialogOf<CDlgMuxCHAddUpdate, CChannelDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgMuxCHAddUpdate";
    explicit CDlgMuxCHAddUpdate(IUiSeam& ui) : CVxDialogOf(ui) {}

    // The multiplexes to choose from, in the form the product keeps them:
    // terrestrial multiplexes, cable multiplex ids, or the transponders of
    // the terrestrial pseudo-satellite.
    void AddMuxList(const SMux_Info_Tag* mux) { Add(m_muxes, mux); }
    void AddMuxList(int tpid) { m_cableMuxIds.push_back(tpid); }
    void AddMuxList(const Transponder_Info_Tag* mux) { Add(m_muxTransponders, mux); }

    const std::vector<SMux_Info_Tag>& TerrestrialMuxList() const { return m_muxes; }
    const std::vector<int>& CableMuxList() const { return m_cableMuxIds; }
    const std::vector<Transponder_Info_Tag>& TransponderMuxList() const {
        return m_muxTransponders;
    }
    // The multiplexes in place of the satellite and transponder.
    ChannelFormInput FormInput(const Product& product, int nameLength) const override;

private:
    std::vector<SMux_Info_Tag> m_muxes;
    std::vector<int> m_cableMuxIds;
    std::vector<Transponder_Info_Tag> m_muxTransponders;
};

// The dialog a channel list opens for New or Update, filled with the calls
// the set-up names in their order: the channel mode (New), the satellites,
// transponders, broadcasters and channels (satellite dialog) or the
// multiplexes and broadcasters (multiplex dialog), the favourite lists, and
// the record.
std::unique_ptr<CChannelDialogBase> MakeChannelDialog(IUiSeam& ui, const ChannelDialogSetup& setup);
