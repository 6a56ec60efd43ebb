#include "qtkit/ScriptedUiSeam.h"

namespace {
template <class T> T PopOr(std::deque<T>& queue, T otherwise) {
    if (queue.empty())
        return otherwise;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}
} // namespace

// One progress display: it writes its steps into the seam's record.
class CScriptedUiSeam::ScriptedProgress final : public IProgress {
public:
    ScriptedProgress(CScriptedUiSeam& seam, std::size_t at, int cancelAt)
        : m_seam(seam), m_nAt(at), m_nCancelAt(cancelAt) {}
    ~ScriptedProgress() override { Record().ended = true; }
    bool Step(std::uint64_t done, std::uint64_t total) override {
        Progress& p = Record();
        p.steps.emplace_back(done, total);
        if (m_nCancelAt > 0 && static_cast<int>(p.steps.size()) >= m_nCancelAt)
            p.cancelled = true;
        return !p.cancelled;
    }

private:
    Progress& Record() { return m_seam.progress[m_nAt]; }
    CScriptedUiSeam& m_seam;
    std::size_t m_nAt;
    int m_nCancelAt;
};

int CScriptedUiSeam::MessageBox(QWidget*, const QString& text, const QString& caption,
                                Buttons buttons, Icon icon) {
    messages.push_back({text, caption, buttons, icon});
    const int otherwise = buttons == Buttons::YesNo         ? IDNO
                          : buttons == Buttons::YesNoCancel ? IDCANCEL
                                                            : IDOK;
    return PopOr(m_answers, otherwise);
}

int CScriptedUiSeam::MessageBoxWithDetails(QWidget*, const QString& text,
                                           const QString& informative, const QString& caption,
                                           Buttons buttons, Icon icon, const QString& proceed) {
    messages.push_back({text, caption, buttons, icon, informative, proceed});
    const int otherwise = buttons == Buttons::YesNo         ? IDNO
                          : buttons == Buttons::YesNoCancel ? IDCANCEL
                          : proceed.isEmpty()               ? IDOK
                                                            : IDCANCEL;
    return PopOr(m_answers, otherwise);
}

QString CScriptedUiSeam::OpenFileName(QWidget*, const QString& title, const QString& filter) {
    openDialogs.push_back({title, filter, {}, {}});
    return PopOr(m_openFiles, QString());
}

QString CScriptedUiSeam::SaveFileName(QWidget*, const QString& title, const QString& filter,
                                      const QString& initialName, const QString& defaultExtension) {
    saveDialogs.push_back({title, filter, initialName, defaultExtension});
    return PopOr(m_saveFiles, QString());
}

int CScriptedUiSeam::RunDialog(CVxDialog& dialog) {
    m_shown.push_back(dialog.Clone());
    const auto scripts = m_dialogs.find(typeid(dialog));
    if (scripts == m_dialogs.end() || scripts->second.empty()) {
        m_unscripted.emplace_back(dialog.ClassName());
        return IDCANCEL;
    }
    DialogScript script = std::move(scripts->second.front());
    scripts->second.pop_front();
    script.fill(dialog);
    return script.result;
}

std::size_t CScriptedUiSeam::PendingDialogScripts() const {
    std::size_t n = 0;
    for (const auto& [type, queue] : m_dialogs)
        n += queue.size();
    return n;
}

std::unique_ptr<IProgress> CScriptedUiSeam::BeginProgress(QWidget*, const QString& title,
                                                          const QString& label) {
    progress.push_back({title, label, {}, false, false});
    return std::make_unique<ScriptedProgress>(*this, progress.size() - 1, PopOr(m_cancelAt, 0));
}
