// The Print command at the end of the toolbar: the user chooses the lists
// to print (at first the lists on show), then sees them in Qt's print
// preview, from which they go to a printer or a PDF file.
#pragma once

#include <QObject>
#include <QString>

#include <string_view>

class CRightView;
class EditSession;
class IUiSeam;
class QMainWindow;
class QToolBar;

class CPrintTools final : public QObject {
    Q_OBJECT
public:
    // Adds the button at the end of `toolbar`; lives as long as `frame`.
    // `receiver` names the receiver on every page; the file name there is
    // the frame's window file path.
    CPrintTools(QMainWindow& frame, QToolBar& toolbar, IUiSeam& ui, EditSession& session,
                CRightView& lists, std::string_view receiver);

    void OnPrint();

private:
    QMainWindow& m_frame;
    IUiSeam& m_ui;
    EditSession& m_session;
    CRightView& m_lists;
    QString m_strReceiver;
};
