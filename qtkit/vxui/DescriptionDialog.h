// The description dialog: shows a channel, satellite or transponder with
// what it belongs to. Each part may be missing (null); nothing comes back.
#pragma once

#include "model/ChannelRecords.h"
#include "model/DescriptionTexts.h"
#include "model/SatelliteRecords.h"
#include "qtkit/vxui/VxDialog.h"

#include <optional>

class CDescriptionDialogBase : public CVxDialog {
public:
    void SetSatelliteInfo(const Satellite_Info_Tag* satellite) { Keep(m_satellite, satellite); }
    void SetTransponderInfo(const Transponder_Info_Tag* transponder) {
        Keep(m_transponder, transponder);
    }
    void SetBroadcastInfo(const Broadcast_Info_Tag* broadcast) { Keep(m_broadcast, broadcast); }
    void SetChannelInfo(const Channel_Info_Tag* channel) { Keep(m_channel, channel); }

    const std::optional<Satellite_Info_Tag>& SatelliteInfo() const { return m_satellite; }
    const std::optional<Transponder_Info_Tag>& TransponderInfo() const { return m_transponder; }
    const std::optional<Broadcast_Info_Tag>& BroadcastInfo() const { return m_broadcast; }
    const std::optional<Channel_Info_Tag>& ChannelInfo() const { return m_channel; }
    // The lines the form shows: the channel with what was found of its
    // satellite, transponder and broadcaster; or a satellite, a transponder.
    DescriptionLines Lines() const;
    // The same as "label: value" lines.
    QString DescriptionText() const;
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;

private:
    template <class T> static void Keep(std::optional<T>& slot, const T* record) {
        if (record)
            slot = *record;
        else
            slot.reset();
    }
    std::optional<Satellite_Info_Tag> m_satellite;
    std::optional<Transponder_Info_Tag> m_transponder;
    std::optional<Broadcast_Info_Tag> m_broadcast;
    std::optional<Channel_Info_Tag> m_channel;
};

class CDlgDescription final : public CVxDialogOf<CDlgDescription, CDescriptionDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgDescription";
    explicit CDlgDescription(IUiSeam& ui) : CVxDialogOf(ui) {}
};
