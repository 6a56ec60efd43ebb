// The TV and radio channel lists: columns, filters, the record changes that
// drops of their selected rows make, and their editing commands (context
// menu, keys, double click; ChannelGridCommands.cpp). Rows, cells and the
// commands' rules are the core's; every change is one edit of the session.
#pragma once

#include "document/EditCatalogue.h"
#include "model/ChannelCommands.h"
#include "model/ChannelEdits.h"
#include "model/ChannelFilter.h"
#include "model/ChannelListModel.h"
#include "model/ChannelSelection.h"
#include "model/GridMenus.h"
#include "views/ListGridCtrl.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QMenu;
class QAction;

class CChannelGridCtrl : public CListGridCtrl, private IGridRowSource {
    Q_OBJECT
public:
    CChannelGridCtrl(const ViewContext& context, bool tv, QWidget* parent = nullptr);

    void SetupGrid() override;
    void FillGrid() override;
    void FilterBySatellite(std::uint32_t key);
    void FilterByTransponder(std::uint32_t key);
    void FilterByMux(std::uint32_t key);
    void FilterByBroadcast(std::uint32_t key);
    void FilterByFavorite(int which, int value);
    void Rebuild(); // with the current filter
    // After a delete of what the other panes chose: no rows, and the lists
    // say that nothing is chosen until the next choice or rebuild.
    void Empty();
    bool IsEmptied() const { return m_bEmptied; }
    const ChannelFilter& Filter() const { return m_filter; }
    // The search field's text in the names' code page, on top of the filter;
    // none when the text holds a character no name can hold (nothing
    // passes). Rebuilds the rows: the channels that do not pass are not
    // rows, so no command can select them.
    void SetQuickFilter(const std::optional<std::string>& nameBytes);
    bool QuickFilterActive() const { return m_bQuickMatchesNothing || !m_quick.Empty(); }
    // How many times the rows were built, so tests can tell a rebuild that
    // should happen once from one that happens as a side effect.
    int FillCount() const { return m_nFills; }

    // Drop operations on the selected rows, with the drop's value; each is
    // one edit. Rows that leave the list go, the other changed rows are
    // rewritten; a drop with no row under the pointer changes nothing.
    void SetSatelliteOfSelected(std::uint32_t satKey);
    void SetMuxOfSelected(std::uint32_t muxValue);
    void SetTransponderOfSelected(std::uint32_t tpKey);
    void SetBroadcastOfSelected(std::uint32_t broadcastKey);
    void AddSelectedToFavorite(int list0);
    void SetGenreOfSelected(int genre);
    void MoveSelectedTo(std::uint32_t targetKey);

    bool OnDragEnter(const QPoint&) override { return false; }
    bool OnDragOver(const QPoint& point) override;

    // ---- Editing commands -------------------------------------------------------
    // Runs the menu command `id` (ChannelCommandId), as the menu and keys do.
    void RunCommand(int id);
    // The context menu: built on the first right click and kept; null before.
    QMenu* ContextMenu() const { return m_pMenu; }
    void OnRButtonUp(const QPoint& point) override;
    Key OnKeyDown(const QKeyEvent& event) override;
    void OnLButtonDblClk(const QPoint& point) override;
    // What the commands need to know of this list.
    ChannelListState ListState() const;

signals:
    void Emptied();

private:
    void ReorderFavorite(std::uint32_t dropKey);
    QStringList Cells(const Channel_Info_Tag& c, int row) const;
    // The rows are keyed: their cells come from the records when drawn.
    QString CellText(std::uint32_t key, int col) const override;
    long CellNumber(std::uint32_t key, int col) const override;
    using KeySpan = std::span<const std::uint32_t>;
    // Keys of the selected rows, top to bottom.
    std::vector<std::uint32_t> SelectedKeys() const;
    // Runs `edit` on the selected keys as the edit `name`.
    EditedRows EditSelected(EditId id, const std::function<EditedRows(KeySpan)>& edit);
    void ShowEdited(const EditedRows& rows);
    // Rewrites the rows of these keys from their records.
    void RewriteRows(std::span<const std::uint32_t> keys);
    ChannelKind Kind() const { return m_bTV ? ChannelKind::TV : ChannelKind::Radio; }

    // The commands (ChannelGridCommands.cpp).
    void BuildMenu();
    void UpdateMenu();
    void OnNew();
    void OnUpdate();
    void OnDelete();
    void OnCopy();
    void OnPaste();
    void OnMoveHere();
    void OnLockOrSkip(bool lock, bool on);
    void OnSelect(ChannelSelect which);
    void OnInvertSelection();
    void OnSearch();
    void OnDescription();
    // The focus row's key when at least one row is selected; 0 otherwise.
    std::uint32_t FocusKeyOfSelection() const;
    // After a command: this list, or both when keys were renewed or the
    // command says so, rebuilt with their filters.
    void ShowResult(const ChannelCommandResult& result);
    void ScrollToKey(std::uint32_t key);
    // After a moved set was renumbered: its rows selected, the last of them
    // a few rows below the top of their run.
    void ShowMovedSet(std::span<const std::uint32_t> moved);
    // The top row of the moved channels becomes the current row (the
    // selection stays), so the keyboard goes on from where they are now.
    void MakeFirstCurrent(std::span<const std::uint32_t> moved);

    bool m_bTV;
    int m_nFills = 0;
    bool m_bEmptied = false;
    ChannelFilter m_filter;
    QuickNameFilter m_quick;
    bool m_bQuickMatchesNothing = false;
    int m_nProductList = 0;
    std::uint32_t m_nProductType = 0;
    QMenu* m_pMenu = nullptr; // owns its submenus
    std::array<QAction*, kChannelDescription + 1> m_menuActions{};
};

class CTVGridCtrl final : public CChannelGridCtrl {
public:
    explicit CTVGridCtrl(const ViewContext& context, QWidget* parent = nullptr)
        : CChannelGridCtrl(context, true, parent) {}
};

class CRadioGridCtrl final : public CChannelGridCtrl {
public:
    explicit CRadioGridCtrl(const ViewContext& context, QWidget* parent = nullptr)
        : CChannelGridCtrl(context, false, parent) {}
};
