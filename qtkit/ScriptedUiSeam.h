// The seam's test side: answers scripted in advance, and a record of
// everything the user would have seen. Message boxes, file dialogs, maker
// dialogs and progress displays each have their own script; what nothing
// scripted is answered the safe way (No, Cancel, no file, go on) and
// recorded.
//
//   ui.NextAnswer(IUiSeam::IDYES);                      // next message box
//   ui.NextOpenFileName("/tmp/a.bin");                  // next open dialog
//   ui.NextDialogOk<CDlgSearchName>("BBC");             // OK, text "BBC"
//   ui.NextDialog<CDlgCHAddUpdate>(IUiSeam::IDCANCEL);  // Cancel
//   ui.NextDialog<CDlgCHAddUpdate>(IUiSeam::IDOK, [](CDlgCHAddUpdate& d) { ... });
//   ui.CancelProgressAtStep(3);                         // the third Step returns false
//   ui.LastShown<CDlgCHAddUpdate>()->SatList()          // what the dialog was given
#pragma once

#include "qtkit/UiSeam.h"
#include "qtkit/vxui/VxDialog.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

class CScriptedUiSeam final : public IUiSeam {
public:
    struct Message {
        QString text, caption;
        Buttons buttons;
        Icon icon;
        QString informative = {}, proceed = {};
    };
    struct FileDialog {
        QString title, filter, initialName, defaultExtension;
    };
    struct Progress {
        QString title, label;
        std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;
        bool cancelled = false; // a Step returned false
        bool ended = false;     // the display was closed
    };

    // ---- Scripts ----
    void NextAnswer(int answer) { m_answers.push_back(answer); }
    void NextOpenFileName(const QString& path) { m_openFiles.push_back(path); }
    void NextSaveFileName(const QString& path) { m_saveFiles.push_back(path); }
    // The next dialog of class Dlg closes with `result`; `fill` first acts
    // as the user on the form (its fields as they are when it closes).
    template <class Dlg> void NextDialog(int result, std::function<void(Dlg&)> fill = {}) {
        m_dialogs[typeid(Dlg)].push_back({result, [fill = std::move(fill)](CVxDialog& d) {
                                              if (fill)
                                                  fill(static_cast<Dlg&>(d));
                                          }});
    }
    // The next dialog of class Dlg answers OK with this record or text.
    template <class Dlg> void NextDialogOk(const typename Dlg::Result& result) {
        NextDialog<Dlg>(IDOK, [result](Dlg& d) { d.Answer(result); });
    }
    // The next progress display is cancelled at its n-th Step (1-based).
    void CancelProgressAtStep(int n) { m_cancelAt.push_back(n); }

    // ---- The seam ----
    int MessageBox(QWidget*, const QString& text, const QString& caption, Buttons buttons,
                   Icon icon) override;
    // Unscripted, a box with a `proceed` button is cancelled.
    int MessageBoxWithDetails(QWidget*, const QString& text, const QString& informative,
                              const QString& caption, Buttons buttons, Icon icon,
                              const QString& proceed = QString()) override;
    QString OpenFileName(QWidget*, const QString& title, const QString& filter) override;
    QString SaveFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& initialName,
                         const QString& defaultExtension = QString()) override;
    void SetWaitCursor(bool wait) override { m_cursorChanges.push_back(wait); }
    int RunDialog(CVxDialog& dialog) override;
    std::unique_ptr<IProgress> BeginProgress(QWidget*, const QString& title,
                                             const QString& label) override;

    // ---- What was shown ----
    // Every maker dialog run, as it was when DoModal was called.
    const std::vector<std::unique_ptr<CVxDialog>>& ShownDialogs() const { return m_shown; }
    template <class Dlg> std::vector<const Dlg*> Shown() const {
        std::vector<const Dlg*> out;
        for (const auto& d : m_shown)
            if (typeid(*d) == typeid(Dlg))
                out.push_back(static_cast<const Dlg*>(d.get()));
        return out;
    }
    template <class Dlg> const Dlg* LastShown() const {
        const auto all = Shown<Dlg>();
        return all.empty() ? nullptr : all.back();
    }
    // Class names of the dialogs that ran without a script (answered Cancel),
    // and scripts that no dialog used.
    const std::vector<std::string>& UnscriptedDialogs() const { return m_unscripted; }
    std::size_t PendingDialogScripts() const;

    std::vector<Message> messages;
    std::vector<FileDialog> openDialogs, saveDialogs;
    std::vector<Progress> progress;
    std::vector<bool> m_cursorChanges;

private:
    struct DialogScript {
        int result;
        std::function<void(CVxDialog&)> fill;
    };
    class ScriptedProgress;

    std::deque<int> m_answers;
    std::deque<QString> m_openFiles, m_saveFiles;
    std::map<std::type_index, std::deque<DialogScript>> m_dialogs;
    std::vector<std::unique_ptr<CVxDialog>> m_shown;
    std::vector<std::string> m_unscripted;
    std::deque<int> m_cancelAt;
};
