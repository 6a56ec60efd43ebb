// Toolbar commands after the fixed ones and Undo/Redo: Information, the
// whole list at a glance (with its duplicate channels, which it can select
// in the channel lists), and Apply order, which gives the channels the
// numbers and favourite places of a reference image or workbook as one
// undoable edit and says how many it matched. Then the lists in and out:
// Compare with (the differences from another image or workbook, whose
// channels this list lacks it can add), Import and Export of the channels
// as CSV, and Import transponders from a satellites.xml file. Each change
// is one undoable edit.
#pragma once

#include <QObject>

#include <cstdint>

class CRightView;
class EditSession;
class IUiSeam;
class QMainWindow;
class QToolBar;

class CListTools final : public QObject {
    Q_OBJECT
public:
    // Adds the buttons at the end of `toolbar`; lives as long as `frame`.
    CListTools(QMainWindow& frame, QToolBar& toolbar, IUiSeam& ui, EditSession& session,
               CRightView& lists);

    void OnInformation();
    void OnApplyOrder();
    void OnCompareWith();
    void OnImportCsv();
    void OnExportCsv();
    void OnImportSatellites();

private:
    // After an edit that changed the tables behind every pane: the panes
    // rebuild, the channel lists with their filters when `keepFilters`.
    void ShowTablesChanged(bool keepFilters);
    // Selects the channel under `key` in the list that shows it.
    void SelectChannel(std::uint32_t key);

    QMainWindow& m_frame;
    IUiSeam& m_ui;
    EditSession& m_session;
    CRightView& m_lists;
};
