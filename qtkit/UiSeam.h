// Every message box, file dialog, wait cursor, progress display and maker
// dialog (DoModal) of the editor goes through this seam: the application
// shows real ones (CQtUiSeam), tests script the answers and read back what
// the user would have seen (CScriptedUiSeam).
#pragma once

#include "contracts/Progress.h"

#include <QString>

#include <cstdint>
#include <memory>

class QWidget;
class CVxDialog;

class IUiSeam {
public:
    enum class Icon { None, Stop, Question, Information, Warning };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    // Results of message boxes and dialogs, with the framework's numbers.
    enum Answer { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

    virtual ~IUiSeam() = default;
    virtual int MessageBox(QWidget* owner, const QString& text, const QString& caption,
                           Buttons buttons, Icon icon) = 0;
    // The same with `informative` text below the main text. With Buttons::Ok
    // and a `proceed` text, the box has that button and Cancel instead of OK
    // (IDOK or IDCANCEL; Cancel is the default).
    virtual int MessageBoxWithDetails(QWidget* owner, const QString& text,
                                      const QString& informative, const QString& caption,
                                      Buttons buttons, Icon icon,
                                      const QString& proceed = QString()) = 0;
    // The chosen path (the first one when several were chosen), or empty
    // when the dialog was cancelled. `filter` is in the framework's
    // "Description|pattern|...||" form.
    virtual QString OpenFileName(QWidget* owner, const QString& title, const QString& filter) = 0;
    // `defaultExtension`, when given, is added to a name typed without one
    // whatever file type is chosen; otherwise the chosen type's extension is.
    virtual QString SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const QString& initialName,
                                 const QString& defaultExtension = QString()) = 0;
    virtual void SetWaitCursor(bool wait) = 0;
    // Runs a maker dialog modally (CVxDialog::DoModal comes here); the
    // button that closed it, IDOK or IDCANCEL.
    virtual int RunDialog(CVxDialog& dialog) = 0;
    // Shows progress with a way to cancel for as long as the returned object
    // lives; the core's long work reports to it (Step returns false once
    // the user has cancelled).
    virtual std::unique_ptr<IProgress> BeginProgress(QWidget* owner, const QString& title,
                                                     const QString& label) = 0;
};
