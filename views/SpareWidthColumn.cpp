#include "views/SpareWidthColumn.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

CSpareWidthColumn::CSpareWidthColumn(QTableView& view, int column)
    : QObject(&view), m_view(view), m_nColumn(column), m_nMinimum(view.columnWidth(column)) {
    QHeaderView* header = view.horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    view.viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int) {
        if (!m_bFitting && section != m_nColumn)
            Fit(); // another column was dragged: this one takes the difference
    });
}

void CSpareWidthColumn::Fit() {
    int others = 0;
    const QHeaderView* header = m_view.horizontalHeader();
    for (int c = 0; c < header->count(); ++c)
        if (c != m_nColumn && !m_view.isColumnHidden(c))
            others += m_view.columnWidth(c);
    const int width = std::max(m_nMinimum, m_view.viewport()->width() - others);
    if (width == m_view.columnWidth(m_nColumn))
        return;
    m_bFitting = true;
    m_view.setColumnWidth(m_nColumn, width);
    m_bFitting = false;
}

bool CSpareWidthColumn::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize)
        Fit();
    return false;
}
