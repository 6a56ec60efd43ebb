// The base of the grids of the left panes that have commands: satellites,
// transponders, broadcasters and cable multiplexes. It owns the context
// menu (made on the first right click, enabled by the selection), turns
// keys into commands, and gives the commands what they share: the selected
// keys, the focus row and the delete question.
#pragma once

#include "model/GridMenus.h"
#include "views/ListGridCtrl.h"

#include <string>

#include <cstdint>
#include <vector>

class QMenu;

class CSourceGridCtrl : public CListGridCtrl {
    Q_OBJECT
public:
    CSourceGridCtrl(const ViewContext& context, int dragId, SourceGrid kind,
                    QWidget* parent = nullptr);

    // Runs a command of the menu (SourceCommandId) as the menu and keys do.
    void RunCommand(int id);
    // The context menu once a right click made it; null before.
    QMenu* ContextMenu() const { return m_pMenu; }

    void OnRButtonUp(const QPoint& point) override;
    Key OnKeyDown(const QKeyEvent& event) override;

protected:
    virtual void OnNew() = 0;
    virtual void OnUpdate() = 0;
    virtual void OnDelete() = 0;
    virtual void OnDescription() {}

    // Keys of the selected rows, top to bottom; the key of the focus row
    // (the current row when it is selected, else the first selected row; 0
    // without a selection).
    std::vector<std::uint32_t> SelectedKeys() const;
    std::uint32_t FocusKey() const;
    // "Would you like to delete selected item?" answered Yes.
    // The delete question, with what the delete takes as its informative text.
    bool AskDelete(const QString& counts);
    // Rewrites the rows of the records that still exist with `cells`, and
    // drops the rows of those that do not; then renumbers column 0.
    template <class Cells> void RewriteRows(Cells cells);

    SourceGrid m_kind;

private:
    void MakeMenu();
    QMenu* m_pMenu = nullptr;
};

template <class Cells> void CSourceGridCtrl::RewriteRows(Cells cells) {
    std::vector<std::uint32_t> gone;
    for (int row = 1; row < GetRowCount(); ++row) {
        const std::uint32_t key = GetRowKey(row);
        const auto found = cells(key);
        if (found)
            SetRowCells(row, *found);
        else
            gone.push_back(key);
    }
    RemoveRowsByKey(gone);
    RenumberIndexColumn();
    Refresh();
}
