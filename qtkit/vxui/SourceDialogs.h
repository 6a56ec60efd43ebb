// The add / update dialogs of the left panes: satellites (two forms, the
// second for long satellite entries), transponders and cable multiplexes.
// Each takes the record (Update only) and returns the whole record.
#pragma once

#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "qtkit/vxui/RecordForm.h"
#include "qtkit/vxui/VxDialog.h"

#include <vector>

class CSatelliteDialogBase : public CVxDialog {
public:
    using Result = Satellite_Info_Tag;
    void SetSatelliteInfo(const Satellite_Info_Tag* satellite) { m_form.Set(satellite); }
    Satellite_Info_Tag GetSatelliteInfo() const { return m_form.Current(); }
    void Answer(const Satellite_Info_Tag& satellite) { m_form.Answer(satellite); }
    const std::optional<Satellite_Info_Tag>& PresetSatellite() const { return m_form.Preset(); }
    // The form: name, position, and the setting groups the entry form
    // carries under "Advanced" (SatelliteForm.cpp).
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;
    // The long entry form carries the second setting group and b5.
    virtual bool HasSecondGroup() const = 0;

private:
    CRecordForm<Satellite_Info_Tag> m_form;
};

class CDlgSATAddUpdate final : public CVxDialogOf<CDlgSATAddUpdate, CSatelliteDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgSATAddUpdate";
    explicit CDlgSATAddUpdate(IUiSeam& ui) : CVxDialogOf(ui) {}

protected:
    bool HasSecondGroup() const override { return false; }
};

class CDlgSAT2AddUpdate final : public CVxDialogOf<CDlgSAT2AddUpdate, CSatelliteDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgSAT2AddUpdate";
    explicit CDlgSAT2AddUpdate(IUiSeam& ui) : CVxDialogOf(ui) {}

protected:
    bool HasSecondGroup() const override { return true; }
};

class CTransponderDialogBase : public CVxDialog {
public:
    using Result = Transponder_Info_Tag;
    void AddSatList(const Satellite_Info_Tag* satellite) {
        if (satellite)
            m_satellites.push_back(*satellite);
    }
    void SetTransponderInfo(const Transponder_Info_Tag* transponder) { m_form.Set(transponder); }
    Transponder_Info_Tag GetTransponderInfo() const { return m_form.Current(); }
    void Answer(const Transponder_Info_Tag& transponder) { m_form.Answer(transponder); }
    const std::vector<Satellite_Info_Tag>& SatList() const { return m_satellites; }
    const std::optional<Transponder_Info_Tag>& PresetTransponder() const { return m_form.Preset(); }
    // The form: satellite, frequency, symbol rate, polarisation, FEC and TS
    // ID (TransponderForm.cpp).
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;

private:
    std::vector<Satellite_Info_Tag> m_satellites;
    CRecordForm<Transponder_Info_Tag> m_form;
};

class CDlgTPAddUpdate final : public CVxDialogOf<CDlgTPAddUpdate, CTransponderDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgTPAddUpdate";
    explicit CDlgTPAddUpdate(IUiSeam& ui) : CVxDialogOf(ui) {}
};

class CCableMuxDialogBase : public CVxDialog {
public:
    using Result = CableMux_Info_Tag;
    void SetCableInfo(const CableMux_Info_Tag* mux) { m_form.Set(mux); }
    CableMux_Info_Tag GetCableInfo() const { return m_form.Current(); }
    void Answer(const CableMux_Info_Tag& mux) { m_form.Answer(mux); }
    const std::optional<CableMux_Info_Tag>& PresetCableMux() const { return m_form.Preset(); }
    // The form: frequency, symbol rate, QAM, inversion and the stream and
    // network ids (CableMuxForm.cpp).
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;

private:
    CRecordForm<CableMux_Info_Tag> m_form;
};

class CDlgCableMuxAddUpdate final : public CVxDialogOf<CDlgCableMuxAddUpdate, CCableMuxDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgCableMuxAddUpdate";
    explicit CDlgCableMuxAddUpdate(IUiSeam& ui) : CVxDialogOf(ui) {}
};
