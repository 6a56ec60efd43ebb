// The maker's dialog library stand-in: the base of its modal dialogs. A
// dialog is constructed with the seam, filled through its calls, and run
// with DoModal, which goes through the seam: the application shows the
// dialog's form, a test answers from its script and keeps a copy of what
// the dialog was given. Only the OK result (IDOK) is ever acted upon.
#pragma once

#include "qtkit/UiSeam.h"

#include <memory>

class QWidget;

class CVxDialog {
public:
    virtual ~CVxDialog() = default;
    CVxDialog& operator=(const CVxDialog&) = delete;

    // IDOK when the user confirmed, IDCANCEL otherwise.
    int DoModal() { return m_pUi->RunDialog(*this); }

    // The class name of the maker's dialog ("CDlgCHAddUpdate").
    virtual const char* ClassName() const = 0;
    // A copy of the dialog as it is now: what it was given.
    virtual std::unique_ptr<CVxDialog> Clone() const = 0;
    // The real form, shown modally over `owner`; the seam's Qt side calls
    // it. Dialogs whose form a later version brings show a notice and
    // close with Cancel, so that nothing changes through them.
    virtual int ShowForm(QWidget* owner);

protected:
    explicit CVxDialog(IUiSeam& ui) : m_pUi(&ui) {}
    CVxDialog(const CVxDialog&) = default;
    // The seam the dialog runs through; its form shows messages there too.
    IUiSeam& Ui() const { return *m_pUi; }

private:
    IUiSeam* m_pUi;
};

// Clone and class name for a concrete dialog class `Dlg` whose data and
// calls live in `Base` (a CVxDialog).
template <class Dlg, class Base> class CVxDialogOf : public Base {
public:
    using Base::Base;
    const char* ClassName() const override { return Dlg::kClassName; }
    std::unique_ptr<CVxDialog> Clone() const override {
        return std::make_unique<Dlg>(static_cast<const Dlg&>(*this));
    }
};
