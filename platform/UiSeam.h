// Every message box, file dialog, wait cursor, progress display and maker
// dialog (DoModal) of the editor goes through this seam: the application
// shows real ones (CQtUiSeam), tests script the answers and read back what
// the user would have seen (CScriptedUiSeam).
#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QWidget;
class CVxDialog;

// A long piece of work reports here; the display lasts as long as the object.
class IProgressView {
public:
    virtual ~IProgressView() = default;
    // `done` of `total` units are finished; false when the user asked to
    // stop. The same contract as the core's progress interface, so an
    // adapter passes the calls straight through.
    virtual bool Step(std::uint64_t done, std::uint64_t total) = 0;
};

class IUiSeam {
public:
    enum class Icon { None, Stop, Question, Information, Warning };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    // Results of message boxes and dialogs, with the framework's numbers.
    enum Answer { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

    virtual ~IUiSeam() = default;
    virtual int MessageBox(QWidget* owner, const QString& text, const QString& caption,
                           Buttons buttons, Icon icon) = 0;
    // The chosen path (the first one when several were chosen), or empty
    // when the dialog was cancelled. `filter` is in the framework's
    // "Description|pattern|...||" form.
    virtual QString OpenFileName(QWidget* owner, const QString& title, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const QString& initialName) = 0;
    virtual void SetWaitCursor(bool wait) = 0;
    // Runs a maker dialog modally (CVxDialog::DoModal comes here); the
    // button that closed it, IDOK or IDCANCEL.
    virtual int RunDialog(CVxDialog& dialog) = 0;
    // Shows progress with a way to cancel until the returned object ends.
    virtual std::unique_ptr<IProgressView> BeginProgress(QWidget* owner, const QString& title,
                                                         const QString& label) = 0;
};
