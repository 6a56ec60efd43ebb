// The keys that let the whole window be used without a mouse: F6 and
// Shift+F6 take the focus from pane to pane, Ctrl+1 to Ctrl+8 add the
// selected channels of the focused list to favourite list 1 to 8, as a drop
// on the list's node in the tree does. The grids' own keys (the menu on the
// Menu key and Shift+F10) are the grid control's.
#include "app/MainFrame.h"

#include "views/Panes.h"

#include <QAction>
#include <QApplication>

#include <array>

namespace {
constexpr int kKeyFavoriteLists = 8;
}

void CMainFrame::AddKeyboardCommands() {
    QAction* next = AddCommand("ID_NEXT_PANE", tr("Next pane"), {}, {}, QKeySequence(Qt::Key_F6));
    QAction* previous = AddCommand("ID_PREVIOUS_PANE", tr("Previous pane"), {}, {},
                                   QKeySequence(Qt::SHIFT | Qt::Key_F6));
    connect(next, &QAction::triggered, this, [this] { FocusPane(1); });
    connect(previous, &QAction::triggered, this, [this] { FocusPane(-1); });
    for (int list = 1; list <= kKeyFavoriteLists; ++list) {
        QAction* add = AddCommand(qPrintable(QString("ID_ADD_TO_FAVORITE_%1").arg(list)),
                                  tr("Add to favorite list %1").arg(list), {}, {},
                                  QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + list)));
        connect(add, &QAction::triggered, this, [this, list] { AddFocusedToFavorite(list - 1); });
    }
}

void CMainFrame::FocusPane(int step) {
    const std::array<QWidget*, 3> panes{m_pLeftTopView, m_pLeftBottomView, m_pRightView};
    const std::array<QWidget*, 3> lists{m_pLeftTopView->MainList(), m_pLeftBottomView->MainList(),
                                        m_pRightView->MainList()};
    const int count = static_cast<int>(panes.size());
    const QWidget* focus = QApplication::focusWidget();
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (focus && panes[static_cast<std::size_t>(i)]->isAncestorOf(focus))
            at = i;
    // From outside the panes (the toolbar, nothing) the first or the last.
    const int to = at < 0 ? (step > 0 ? 0 : count - 1) : ((at + step) % count + count) % count;
    QWidget* pane = panes[static_cast<std::size_t>(to)];
    // Back where the focus was when it left the pane, if that can take it.
    QWidget* target = pane->focusWidget();
    if (!target || target == pane || !pane->isAncestorOf(target) || !target->isVisible() ||
        !target->isEnabled() || target->focusPolicy() == Qt::NoFocus)
        target = lists[static_cast<std::size_t>(to)];
    target->setFocus(Qt::ShortcutFocusReason);
}

void CMainFrame::AddFocusedToFavorite(int list0) {
    for (int dragId : {kDragTV, kDragRadio})
        if (CChannelGridCtrl* list = m_pRightView->ChannelList(dragId); list && list->hasFocus()) {
            list->AddSelectedToFavorite(list0);
            return;
        }
}
