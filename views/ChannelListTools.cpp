// The right pane's additions beside its fixed controls: the quick name
// filter above the lists, the line beside the caption, the Name columns that
// take the spare width, and tooltips for the flag columns' header images.
#include "contracts/Policy.h"
#include "qtkit/PaneWidgets.h"
#include "views/ChannelListBar.h"
#include "views/Panes.h"
#include "views/SpareWidthColumn.h"

#include <QLineEdit>
#include <QStyle>

#include <algorithm>

namespace {
constexpr int kNameColumn = 6;
constexpr int kFieldBand = 26;
} // namespace

void CRightView::AddListTools() {
    m_pListBar = new CChannelListBar(*this, *m_pTVGrid, *m_pRadioGrid, GetProductType());
    Both([](CChannelGridCtrl& g) {
        g.SetHeaderToolTip(11, tr("Scrambled"));
        g.SetHeaderToolTip(12, tr("Locked"));
        g.SetHeaderToolTip(13, tr("Skipped"));
        g.SetHeaderToolTip(14, tr("Tuner"));
        new CSpareWidthColumn(g, kNameColumn); // owned by the list
    });
}

int CRightView::PlaceListTools(int caption) {
    const QRect r = rect();
    // The caption keeps its text and place; the line starts after the text.
    const int after =
        r.left() + m_pCaption->fontMetrics().horizontalAdvance(m_pCaption->text()) + 12;
    const int chooser = r.right() + 1 - 100 - 6;
    const QRect status(after, r.top(), std::max(0, chooser - after), caption);
    const QRect field(r.left() + 2, r.top() + caption + 2, r.width() - 4, kFieldBand - 4);
    m_pListBar->Place(QStyle::visualRect(layoutDirection(), r, status),
                      QStyle::visualRect(layoutDirection(), r, field));
    return r.top() + caption + kFieldBand;
}
