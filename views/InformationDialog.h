// The Information dialog: the whole list at a glance, read-only. The header
// form and the product; for each table its rows and how full its block is;
// TV, radio, locked, skipped and scrambled counts; channels per satellite
// and per provider; what the list check finds; and the duplicate channels in their groups, with a
// button that selects them in the channel lists (the dialog then closes with
// IDOK and SelectDuplicates() says so). It runs through the UI seam like the
// maker's dialogs, so tests read what it was given and answer for the user.
#pragma once

#include "document/ListCheck.h"
#include "document/Statistics.h"
#include "qtkit/vxui/VxDialog.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class CZorvDB;
class QDialog;

class CInformationDialogBase : public CVxDialog {
public:
    // One member of a duplicate group as the dialog lists it.
    struct Member {
        std::uint32_t key = 0;
        QString text; // "CH# 12  Das Erste HD  (TV, satellite 1, TPID 3, ids 1/1019/28106)"
    };

    // The figures of `db` now (ComputeStatistics), with the duplicate
    // groups' members described from their records.
    void SetFigures(Statistics figures, const CZorvDB& db);
    const Statistics& Figures() const { return m_figures; }
    const std::vector<std::vector<Member>>& Groups() const { return m_groups; }
    // What the list check finds, the same findings Save and Send ask about.
    void SetFindings(std::vector<ListFinding> findings) { m_findings = std::move(findings); }
    const std::vector<ListFinding>& Findings() const { return m_findings; }

    // The user asked for the duplicates to be selected in the lists.
    bool SelectDuplicates() const { return m_bSelectDuplicates; }
    void ChooseSelectDuplicates() { m_bSelectDuplicates = true; }

    // The form filled with the figures, not yet shown.
    std::unique_ptr<QDialog> BuildForm(QWidget* owner);
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;

private:
    Statistics m_figures;
    std::vector<std::vector<Member>> m_groups;
    std::vector<ListFinding> m_findings;
    bool m_bSelectDuplicates = false;
};

class CDlgInformation final : public CVxDialogOf<CDlgInformation, CInformationDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgInformation";
    explicit CDlgInformation(IUiSeam& ui) : CVxDialogOf(ui) {}
};

// The texts the form shows, one function each, so tests and the form agree.
namespace information {
QString HeaderForm(const Statistics& s);
QString Product(const Statistics& s);
// "Channels", "Satellites", ... for a table number.
QString TableTitle(std::uint8_t table);
// "293 of 4,608 used, 4,315 free"; "12 (this receiver does not save them)".
QString Usage(const TableUsage& t);
QString ChannelCounts(const Statistics& s);
QString FlagCounts(const Statistics& s);
QString DuplicateCount(const Statistics& s);
// A number with thousands separators.
QString Number(std::int64_t n);
} // namespace information
