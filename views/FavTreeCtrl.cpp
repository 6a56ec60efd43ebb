#include "views/FavTreeCtrl.h"

#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "model/ChannelEdits.h"
#include "model/SatelliteRecords.h"
#include "qtkit/FocusFrame.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"
#include "qtkit/vxui/SearchNameDialog.h"
#include "views/Icons.h"

#include <QDragEnterEvent>
#include <QHeaderView>

#include <optional>
#include <string>
#include <utility>

CFAVTreeCtrl::CFAVTreeCtrl(const ViewContext& context, QWidget* parent)
    : QTreeWidget(parent), m_frame(context.frame), m_ui(context.ui), m_session(context.session) {
    setHeaderHidden(true);
    setAcceptDrops(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* now, QTreeWidgetItem*) {
                if (!m_bDragOver && !m_bFilling && !m_bPressing && now)
                    NodeChosen(now);
            });
    // A press on a node, root or child, filters again even when it is
    // already the current one: the only way back to unfiltered lists after
    // another pane has filtered them.
    connect(this, &QTreeWidget::itemPressed, this, [this](QTreeWidgetItem* item, int) {
        if (!m_bDragOver && item)
            NodeChosen(item);
    });
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        if (!m_bFilling)
            RenameFavorite(item, item->text(0));
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { RenameWithDialog(item); });
}

void CFAVTreeCtrl::mousePressEvent(QMouseEvent* event) {
    m_bPressing = true;
    QTreeWidget::mousePressEvent(event);
    m_bPressing = false;
}

void CFAVTreeCtrl::Fill() {
    m_bFilling = true;
    clear();
    // Image 0 normally, image 1 when selected.
    const QIcon closed = Icons::Folder();
    auto node = [&](QTreeWidgetItem* parent, const QString& text, int itemData) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, text);
        item->setData(0, Qt::UserRole, itemData);
        item->setIcon(0, closed);
        return item;
    };
    QTreeWidgetItem* favorites = node(nullptr, tr("Favorite"), 0);
    for (const FavoriteList& f : std::as_const(TheZorvDB()).Rows<FavoriteList>(kTableFavorite)) {
        QTreeWidgetItem* item =
            node(favorites, AnsiFieldText(f.Name, sizeof f.Name), static_cast<int>(f.Index) - 1);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    QTreeWidgetItem* genres = node(nullptr, tr("Genre"), 0);
    for (int g = 0; g < 16; ++g)
        node(genres, Text(kGenreNames[g]), g);
    expandAll();
    m_bFilling = false;
}

void CFAVTreeCtrl::NodeChosen(QTreeWidgetItem* item) {
    if (QTreeWidgetItem* parent = item->parent()) {
        const bool genre = parent == GenreRoot();
        m_frame.SendMessage(WM_FAV_NODE_SELECTED, genre ? 1 : 0,
                            item->data(0, Qt::UserRole).toInt());
    } else if (item == FavoriteRoot()) {
        m_frame.SendMessage(WM_FAV_NODE_SELECTED, 0, 255);
    } else {
        m_frame.SendMessage(WM_FAV_NODE_SELECTED, 1, 0);
    }
}

void CFAVTreeCtrl::RenameFavorite(QTreeWidgetItem* node, const QString& text) {
    if (!node || !node->parent() || node->parent() != FavoriteRoot())
        return;
    const auto number = static_cast<std::uint32_t>(node->data(0, Qt::UserRole).toInt() + 1);
    // Names are kept in the receiver's code page, as the edit script keeps them.
    const std::optional<std::string> bytes = AnsiBytes(text);
    FavoriteRename result = FavoriteRename::Ignored;
    if (bytes)
        RunEdit(m_session, EditId::RenameFavorite, [&] {
            result = RenameFavoriteList(TheZorvDB(), number, *bytes);
            return true;
        });
    const auto* f = std::as_const(TheZorvDB()).Get<FavoriteList>(kTableFavorite, number);
    m_bFilling = true; // our own text changes are no user edits
    if (!bytes)
        ShowStop(m_ui, this, tr("Name has characters that Windows-1252 cannot hold."));
    else if (result == FavoriteRename::WrongSize)
        ShowStop(m_ui, this, Text(texts::kFavoriteNameSize));
    node->setText(0, f ? AnsiFieldText(f->Name, sizeof f->Name) : QString());
    m_bFilling = false;
}

void CFAVTreeCtrl::DropOn(QTreeWidgetItem* node) {
    m_bDragOver = false;
    if (!node || !node->parent())
        return;
    const bool genre = node->parent() == GenreRoot();
    m_frame.SendMessage(WM_GRID_DROP, genre ? kDragGenreNode : kDragFavoriteNode,
                        node->data(0, Qt::UserRole).toInt());
}

bool CFAVTreeCtrl::AcceptsDrag() const {
    return m_frame.DragSource() == kDragTV || m_frame.DragSource() == kDragRadio;
}

void CFAVTreeCtrl::dragEnterEvent(QDragEnterEvent* event) {
    if (!AcceptsDrag())
        return event->ignore();
    m_bDragOver = true;
    event->acceptProposedAction();
}

void CFAVTreeCtrl::dragMoveEvent(QDragMoveEvent* event) {
    if (!AcceptsDrag())
        return event->ignore();
    m_bDragOver = true;
    if (QTreeWidgetItem* item = itemAt(event->position().toPoint()))
        setCurrentItem(item); // ignored by the selection handler while dragging
    event->acceptProposedAction();
}

void CFAVTreeCtrl::dragLeaveEvent(QDragLeaveEvent* event) {
    m_bDragOver = false;
    QTreeWidget::dragLeaveEvent(event);
}

void CFAVTreeCtrl::dropEvent(QDropEvent* event) {
    DropOn(itemAt(event->position().toPoint()));
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}

void CFAVTreeCtrl::focusInEvent(QFocusEvent* event) {
    // The item view would make its first node current on gaining focus,
    // and a current node filters the channel lists: only the user chooses.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CFAVTreeCtrl::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    viewport()->update(); // the focus frame goes
}

void CFAVTreeCtrl::paintEvent(QPaintEvent* event) {
    QTreeWidget::paintEvent(event);
    PaintFocusFrame(*this);
}

void CFAVTreeCtrl::RenameWithDialog(QTreeWidgetItem* node) {
    if (!node || !node->parent() || node->parent() != FavoriteRoot())
        return;
    CDlgSearchName dialog(m_ui);
    dialog.SetCaption(tr("Update"));
    dialog.SetText(node->text(0));
    if (dialog.DoModal() == IUiSeam::IDOK)
        RenameFavorite(node, dialog.Text());
}
