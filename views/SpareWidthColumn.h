// The column of a list that takes its spare width: at least as wide as it
// was set up (its width template), and as wide as the room the other
// visible columns leave, so it grows and shrinks with the window. Every
// column stays user-resizable: dragging another column gives this one the
// difference; dragging this one keeps the user's width until the list
// itself is resized.
#pragma once

#include <QObject>

class QTableView;

class CSpareWidthColumn final : public QObject {
public:
    // Lives as long as `view`.
    CSpareWidthColumn(QTableView& view, int column);
    void Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView& m_view;
    int m_nColumn;
    int m_nMinimum;
    bool m_bFitting = false;
};
