// Which satellites of a satellites.xml file to bring up to date: the file's
// satellites with check boxes, all checked at first, and whether the
// transponders the file does not have are deleted (with their channels).
// It runs through the UI seam like the maker's dialogs, so tests read what
// it was given and answer for the user.
#pragma once

#include "lists/SatellitesXml.h"
#include "qtkit/vxui/VxDialog.h"

#include <QString>

#include <cstddef>
#include <memory>
#include <vector>

class CZorvDB;
class QDialog;

class CSatelliteChoiceDialogBase : public CVxDialog {
public:
    struct Choice {
        int position = 0; // tenths of a degree, West negative
        QString text;     // "19.2E  Astra 1  (120 transponders, in this list)"
        bool chosen = true;
    };

    // The file's satellites in file order, each said against `db`'s list.
    void SetSatellites(const std::vector<XmlSatellite>& file, const CZorvDB& db);
    const std::vector<Choice>& Choices() const { return m_choices; }
    void Choose(std::size_t at, bool chosen);
    // The positions of the chosen satellites, in file order, each once.
    std::vector<int> ChosenPositions() const;

    bool Prune() const { return m_bPrune; }
    void SetPrune(bool prune) { m_bPrune = prune; }

    // The form filled with the choices, not yet shown; OK takes the form's
    // check boxes into the dialog.
    std::unique_ptr<QDialog> BuildForm(QWidget* owner);
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;

private:
    std::vector<Choice> m_choices;
    bool m_bPrune = false;
};

class CDlgSatelliteChoice final
    : public CVxDialogOf<CDlgSatelliteChoice, CSatelliteChoiceDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgSatelliteChoice";
    explicit CDlgSatelliteChoice(IUiSeam& ui) : CVxDialogOf(ui) {}
};
