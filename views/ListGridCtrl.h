// The base of every list grid: set-up from a column table, the row-to-record
// binding through column 1, and the shared row operations.
#pragma once

#include "model/GridMenus.h"
#include "qtkit/GridCtrl.h"
#include "views/Messages.h"
#include "views/ViewContext.h"

#include <QStringList>

#include <cstdint>
#include <span>

struct GridColumn {
    const char* header;
    const char* widthTemplate;
};

// A key-down as the grids' key rules (GridMenus) read it: Enter, Delete or an
// upper-case letter, with Ctrl and Alt.
KeyPress GridKeyPress(const QKeyEvent& event);

class CListGridCtrl : public CGridCtrl {
    Q_OBJECT
public:
    CListGridCtrl(const ViewContext& context, int dragId, QWidget* parent = nullptr);

    virtual void SetupGrid() = 0;
    virtual void FillGrid() = 0;

    void ClearRows();
    void RenumberIndexColumn();
    // The one-row form of selecting by content; bulk selections use
    // SelectRowsWhere / SelectRowsByKey.
    void SetRowSelected(int row, bool on);
    void RemoveRow(int row);
    // Appends a row with these cell texts; returns its grid row number.
    int AppendRow(const QStringList& cells);
    // Rewrites the cells of a row (column 0, the row number, stays).
    void SetRowCells(int row, const QStringList& cells);
    // Removes the rows of these keys (keys without a row are skipped), then
    // renumbers column 0 once.
    void RemoveRowsByKey(std::span<const std::uint32_t> keys);
    int DragId() const { return m_nDragId; }

    void OnBeginDrag() override;
    void OnDrop(const QPoint& point) override;

protected:
    // Columns, widths from the templates, single selection (not for the
    // channel lists), drag and drop on.
    void SetupColumns(const std::vector<GridColumn>& columns, bool singleRowSelection);

    IMessageSink& m_frame;
    IUiSeam& m_ui;
    EditSession& m_session;
    CGridDropTarget m_dropTarget;

private:
    int m_nDragId;
};
