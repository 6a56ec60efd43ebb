// Every message box, file dialog and wait cursor of the editor goes through
// this seam: the application shows real ones, tests script the answers and
// read back what the user would have seen.
#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class QWidget;

class IUiSeam {
public:
    enum class Icon { None, Stop, Question, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum Answer { IDOK = 1, IDYES = 6, IDNO = 7, IDCANCEL = 2 };

    virtual ~IUiSeam() = default;
    virtual int MessageBox(QWidget* owner, const QString& text, const QString& caption,
                           Buttons buttons, Icon icon) = 0;
    // The chosen path, or empty when the dialog was cancelled. `filter` is in
    // the framework's "Description|pattern|...||" form.
    virtual QString OpenFileName(QWidget* owner, const QString& title, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const QString& initialName) = 0;
    virtual void SetWaitCursor(bool wait) = 0;
};

// Real dialogs and cursors.
class CQtUiSeam final : public IUiSeam {
public:
    int MessageBox(QWidget* owner, const QString& text, const QString& caption, Buttons buttons,
                   Icon icon) override;
    QString OpenFileName(QWidget* owner, const QString& title, const QString& filter) override;
    QString SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                         const QString& initialName) override;
    void SetWaitCursor(bool wait) override;
};

// Scripted answers for tests; records everything shown.
class CScriptedUiSeam final : public IUiSeam {
public:
    struct Shown {
        QString text, caption;
        Buttons buttons;
        Icon icon;
    };
    void NextAnswer(int answer) { m_answers.push_back(answer); }
    void NextFileName(const QString& path) { m_files.push_back(path); }

    int MessageBox(QWidget*, const QString& text, const QString& caption, Buttons buttons,
                   Icon icon) override;
    QString OpenFileName(QWidget*, const QString& title, const QString& filter) override;
    QString SaveFileName(QWidget*, const QString& title, const QString& filter,
                         const QString&) override;
    void SetWaitCursor(bool wait) override { m_cursorChanges.push_back(wait); }

    std::vector<Shown> messages;
    std::vector<QString> dialogTitles, dialogFilters;
    std::vector<bool> m_cursorChanges;

private:
    std::deque<int> m_answers;
    std::deque<QString> m_files;
};

// "Binary file (*.bin)|*.bin|...||" as Qt's "Binary file (*.bin);;...".
QString QtFilter(const QString& framework);
