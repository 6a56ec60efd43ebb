// The two steps of Print, each run through the UI seam like the maker's
// dialogs, so tests answer for the user: the choice of the lists to print,
// and the print preview, from which the user prints or prints to PDF.
#pragma once

#include "app/ListPainter.h"
#include "document/ListPrint.h"
#include "qtkit/vxui/VxDialog.h"

#include <QString>

#include <memory>
#include <vector>

class CZorvDB;
struct Product;

class CPrintChoiceDialogBase : public CVxDialog {
public:
    // One box of the form: the TV list, the radio list or a favourite list.
    struct Option {
        enum class List { TV, Radio, Favorite } list = List::TV;
        int favorite = 0; // the favourite list's number
        QString text;     // "TV list", "Radio list", "Favourite 2: Sport"
        bool checked = false;
    };

    // The TV and the radio list and every favourite list with channels,
    // ticked as `choice` says.
    void SetOptions(const CZorvDB& db, const Product& product, const PrintChoice& choice);
    const std::vector<Option>& Options() const { return m_options; }
    // The user ticks or clears a box.
    void Check(std::size_t option, bool checked);
    // What the ticked boxes choose.
    PrintChoice Choice() const;

    // The form: a box for each option and OK, which needs one ticked.
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;

private:
    std::vector<Option> m_options;
};

class CDlgPrintChoice final : public CVxDialogOf<CDlgPrintChoice, CPrintChoiceDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgPrintChoice";
    explicit CDlgPrintChoice(IUiSeam& ui) : CVxDialogOf(ui) {}
};

class CPrintPreviewDialogBase : public CVxDialog {
public:
    void SetJob(ListPrintJob job) { m_job = std::move(job); }
    const ListPrintJob& Job() const { return m_job; }

    // Qt's print preview of the job's pages, with its print button (and
    // through it printing to a PDF file).
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;

private:
    ListPrintJob m_job;
};

class CDlgPrintPreview final : public CVxDialogOf<CDlgPrintPreview, CPrintPreviewDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgPrintPreview";
    explicit CDlgPrintPreview(IUiSeam& ui) : CVxDialogOf(ui) {}
};
