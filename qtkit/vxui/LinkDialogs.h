// The receiver link's dialogs and the configuration dialog. The transfer
// dialogs get the working copy's path and, on OK, have received the image
// into it or sent it; the configuration dialog is known by its result only.
#pragma once

#include "qtkit/vxui/VxDialog.h"

#include <string>

class CLinkDialogBase : public CVxDialog {
public:
    void Initialize(const char* path) { m_strPath = path ? path : ""; }
    const std::string& Path() const { return m_strPath; }
    // The transfer form (LinkForm.h): a receive dialog closes with OK once a
    // complete image has replaced the file at Path(), a send dialog once the
    // receiver has taken all of it.
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;
    virtual bool Sends() const { return false; }

private:
    std::string m_strPath;
};

class CDlgRecvDataFromSTB final : public CVxDialogOf<CDlgRecvDataFromSTB, CLinkDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgRecvDataFromSTB";
    explicit CDlgRecvDataFromSTB(IUiSeam& ui) : CVxDialogOf(ui) {}
};

// The receive dialog of product lists 7 to 10.
class CDlgRecvDataFromSTBEx final : public CVxDialogOf<CDlgRecvDataFromSTBEx, CLinkDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgRecvDataFromSTBEx";
    explicit CDlgRecvDataFromSTBEx(IUiSeam& ui) : CVxDialogOf(ui) {}
};

class CDlgSendDataToSTB final : public CVxDialogOf<CDlgSendDataToSTB, CLinkDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgSendDataToSTB";
    explicit CDlgSendDataToSTB(IUiSeam& ui) : CVxDialogOf(ui) {}

protected:
    bool Sends() const override { return true; }
};

// Which receiver family the editor is set up for, and whether the grids show
// their technical columns. The choice is kept in the library's own settings
// (see VxuiSettings.h) and takes effect at the next start.
class CDlgConfiguration final : public CVxDialogOf<CDlgConfiguration, CVxDialog> {
public:
    static constexpr const char* kClassName = "CDlgConfiguration";
    // Starts from the saved choice.
    explicit CDlgConfiguration(IUiSeam& ui);

    // As CVxDialog::DoModal; on OK the choice is saved, as the library's own
    // OK button does.
    int DoModal();
    int ShowForm(QWidget* owner) override;

    // The profile's short name; empty when nothing was ever chosen.
    const std::string& Receiver() const { return m_strReceiver; }
    int GridColumn() const { return m_nGridColumn; }
    // What the user sets on the form.
    void Choose(const std::string& receiver, int gridColumn);

private:
    std::string m_strReceiver;
    int m_nGridColumn = 0;
};
