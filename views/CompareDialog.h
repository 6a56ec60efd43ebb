// The comparison of the open list with another image or workbook: the
// differences grouped by kind under a heading with their count. Choosing a
// row of one of this list's channels selects it in the channel lists while
// the dialog stays open; "Add to this list" closes it with IDOK and
// AddToThisList() says so, for the caller to run the merge. It runs through
// the UI seam like the maker's dialogs, so tests read what it was given and
// act on its form for the user.
#pragma once

#include "compare/ListCompare.h"
#include "qtkit/vxui/VxDialog.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QDialog;

class CCompareDialogBase : public CVxDialog {
public:
    struct Row {
        QString text;                 // `TV 3 "ZDF HD"  3 -> 5`
        std::uint32_t channelKey = 0; // this list's channel the row is about; 0 for none
    };
    struct Group {
        DifferenceKind kind{};
        QString heading; // "Only in this list (3)"
        std::vector<Row> rows;
    };

    // The differences of `comparison` (this list as A) with the file `other`
    // names; `toAdd` channels of the other list could be added here.
    void SetComparison(const Comparison& comparison, const QString& other, std::size_t toAdd);
    const std::vector<Group>& Groups() const { return m_groups; }
    const QString& Summary() const { return m_summary; }
    bool SourcesCompared() const { return m_bSourcesCompared; }
    std::size_t ChannelsToAdd() const { return m_nToAdd; }

    // Called with the channel's key when the user chooses a row of one of
    // this list's channels.
    void OnSelectChannel(std::function<void(std::uint32_t)> select) {
        m_select = std::move(select);
    }
    void SelectChannel(std::uint32_t key) const;

    // The user asked for the other list's channels to be added.
    bool AddToThisList() const { return m_bAdd; }
    void ChooseAddToThisList() { m_bAdd = true; }

    // The form filled with the differences, not yet shown.
    std::unique_ptr<QDialog> BuildForm(QWidget* owner);
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;

private:
    std::vector<Group> m_groups;
    QString m_summary;
    bool m_bSourcesCompared = true;
    std::size_t m_nToAdd = 0;
    std::function<void(std::uint32_t)> m_select;
    bool m_bAdd = false;
};

class CDlgCompare final : public CVxDialogOf<CDlgCompare, CCompareDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgCompare";
    explicit CDlgCompare(IUiSeam& ui) : CVxDialogOf(ui) {}
};

namespace comparison {
// "Only in this list", "Number changed", ... for a kind.
QString GroupTitle(DifferenceKind kind);
// The title with the count: "Only in this list (3)".
QString GroupHeading(DifferenceKind kind, std::size_t count);
} // namespace comparison
