// Two toolbar commands after the fixed ones and Undo/Redo: Information, the
// whole list at a glance (with its duplicate channels, which it can select
// in the channel lists), and Apply order, which gives the channels the
// numbers and favourite places of a reference image or workbook as one
// undoable edit and says how many it matched.
#pragma once

#include <QObject>

class CRightView;
class EditSession;
class IUiSeam;
class QMainWindow;
class QToolBar;

class CListTools final : public QObject {
    Q_OBJECT
public:
    // Adds the two buttons at the end of `toolbar`; lives as long as `frame`.
    CListTools(QMainWindow& frame, QToolBar& toolbar, IUiSeam& ui, EditSession& session,
               CRightView& lists);

    void OnInformation();
    void OnApplyOrder();

private:
    QMainWindow& m_frame;
    IUiSeam& m_ui;
    EditSession& m_session;
    CRightView& m_lists;
};
