// The favourite lists and genres as a tree: choosing a node filters the
// channel lists; channels dropped on a node join the list or take the genre;
// favourite lists are renamed in place.
#pragma once

#include "views/Messages.h"
#include "views/ViewContext.h"

#include <QTreeWidget>

class CFAVTreeCtrl final : public QTreeWidget {
    Q_OBJECT
public:
    explicit CFAVTreeCtrl(const ViewContext& context, QWidget* parent = nullptr);

    void Fill();
    QTreeWidgetItem* FavoriteRoot() const { return topLevelItem(0); }
    QTreeWidgetItem* GenreRoot() const { return topLevelItem(1); }
    // The in-place rename's end: the rules for the favourite list's name.
    void RenameFavorite(QTreeWidgetItem* node, const QString& text);
    // A double click on a favourite node: the name dialog captioned
    // "Update", then the same rules.
    void RenameWithDialog(QTreeWidgetItem* node);
    // A drop of channels on `node`.
    void DropOn(QTreeWidgetItem* node);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The nodes, then the focus frame while the tree has the focus.
    void paintEvent(QPaintEvent* event) override;
    // A press chooses its node once, through itemPressed, whether or not
    // the node was already the current one.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void NodeChosen(QTreeWidgetItem* item);
    bool AcceptsDrag() const;

    IMessageSink& m_frame;
    IUiSeam& m_ui;
    EditSession& m_session;
    bool m_bDragOver = false;
    bool m_bFilling = false;
    bool m_bPressing = false;
};

inline constexpr const char* kGenreNames[16] = {QT_TRANSLATE_NOOP("Velmar", "None"),
                                                QT_TRANSLATE_NOOP("Velmar", "Movie"),
                                                QT_TRANSLATE_NOOP("Velmar", "News and Factual"),
                                                QT_TRANSLATE_NOOP("Velmar", "Entertainment"),
                                                QT_TRANSLATE_NOOP("Velmar", "Sport"),
                                                QT_TRANSLATE_NOOP("Velmar", "Children's"),
                                                QT_TRANSLATE_NOOP("Velmar", "Factual"),
                                                QT_TRANSLATE_NOOP("Velmar", "Education"),
                                                QT_TRANSLATE_NOOP("Velmar", "Lifestyle"),
                                                QT_TRANSLATE_NOOP("Velmar", "Drama"),
                                                QT_TRANSLATE_NOOP("Velmar", "Music"),
                                                QT_TRANSLATE_NOOP("Velmar", "Arts"),
                                                QT_TRANSLATE_NOOP("Velmar", "Current Affairs"),
                                                QT_TRANSLATE_NOOP("Velmar", "Special"),
                                                QT_TRANSLATE_NOOP("Velmar", "Comedy"),
                                                QT_TRANSLATE_NOOP("Velmar", "Documentary")};
