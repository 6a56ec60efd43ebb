// The form of the channel add / update dialogs. It edits the whole channel
// record: the fields an installer sets are laid out in groups, and every
// field the form does not show is carried from the record it was given.
// Bad values are refused at OK with a message (through the UI seam) that
// names the field; nothing bad reaches the record.
//
// Widgets are named after the record fields they edit ("Name", "VideoPID",
// "SatID", "TPID", "Favorite3" ...), plus "Kind" (TV or radio) and the
// buttons "OK" and "Cancel".
#pragma once

#include "model/ChannelDialogs.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class IUiSeam;
class QComboBox;
class QCheckBox;
class QLineEdit;

// One entry of a choice list: what it shows and the record value it stands for.
struct FormChoice {
    QString text;
    int value = 0;
};

// Everything the form shows and needs to check, as the dialog was given it.
struct ChannelFormInput {
    Channel_Info_Tag record{};
    // New: the kind of channel made (true TV); Update: none.
    std::optional<bool> channelMode;
    // The multiplex dialog chooses a multiplex (`muxes`) and no satellite;
    // the satellite dialog a satellite and one of its transponders.
    bool mux = false;
    std::vector<FormChoice> satellites; // value: satellite ID
    std::vector<Transponder_Info_Tag> transponders;
    std::vector<FormChoice> muxes;      // value: TPID
    std::vector<FormChoice> broadcasts; // value: BroadcastID
    std::vector<FavoriteChoice> favorites;
    Product product;
    int nameLength = 0; // the policy's L
};

class CChannelForm final : public QDialog {
    Q_OBJECT
public:
    CChannelForm(IUiSeam& ui, ChannelFormInput input, QWidget* owner = nullptr);

    // The record as the user left it, after OK.
    const Channel_Info_Tag& Record() const { return m_record; }
    // OK: checks every field; stays open with a message on the first bad one.
    void accept() override;

private:
    struct NumberField;
    template <auto Member>
    static NumberField Field(const char* name, const char* label, int group, std::uint32_t max,
                             int hexDigits, bool setByNew);
    static const std::vector<NumberField>& NumberFields();

    QWidget* BuildChannelGroup();
    QWidget* BuildReceptionGroup();
    QWidget* BuildStreamsGroup();
    QWidget* BuildFavoritesGroup();
    QLineEdit* AddNumber(class QFormLayout* form, const NumberField& field);
    void FillTransponders(int satelliteId);
    // The record the widgets describe, or the message and the widget that
    // holds the first bad value.
    bool ReadRecord(Channel_Info_Tag& out, QString& problem, QString& widget) const;
    void Refuse(const QString& problem, const QString& widget);

    IUiSeam& m_ui;
    ChannelFormInput m_in;
    Channel_Info_Tag m_record{};
    QLineEdit* m_pName = nullptr;
    QComboBox* m_pKind = nullptr;
    QComboBox* m_pGenre = nullptr;
    QComboBox* m_pTuner = nullptr;
    QComboBox* m_pSatellite = nullptr;
    QComboBox* m_pTransponder = nullptr; // the multiplex in the multiplex dialog
    QComboBox* m_pBroadcast = nullptr;
    QCheckBox* m_pLocked = nullptr;
    QCheckBox* m_pScrambled = nullptr;
    QCheckBox* m_pSkipped = nullptr;
    std::vector<QLineEdit*> m_numbers;   // as NumberFields() lists them
    std::vector<QCheckBox*> m_favorites; // as m_in.favorites lists them
};
