// The seam's real side: Qt message boxes, file dialogs, the override
// cursor, a progress dialog, and each maker dialog's own form.
#pragma once

#include "qtkit/UiSeam.h"

#include <QStringList>

class QFileDialog;

class CQtUiSeam final : public IUiSeam {
public:
    int MessageBoxWithDetails(QWidget* owner, const QString& text, const QString& informative,
                              const QString& caption, Buttons buttons, Icon icon,
                              const QString& proceed = QString()) override;
    int MessageBox(QWidget* owner, const QString& text, const QString& caption, Buttons buttons,
                   Icon icon) override;
    QString OpenFileName(QWidget* owner, const QString& title, const QString& filter) override;
    QString SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                         const QString& initialName,
                         const QString& defaultExtension = QString()) override;
    void SetWaitCursor(bool wait) override;
    int RunDialog(CVxDialog& dialog) override;
    std::unique_ptr<IProgress> BeginProgress(QWidget* owner, const QString& title,
                                             const QString& label) override;
};

// "Binary file (*.bin)|*.bin|...||" as Qt's name filters.
QStringList QtNameFilters(const QString& framework);
// The extension a name typed without one gets under a name filter: the
// filter's own when it names exactly one ("*.xls"), otherwise "bin".
QString DefaultSuffixFor(const QString& nameFilter);

enum class FileDialogKind { Open, Save };
// The file dialogs as the commands show them: Open takes several existing
// files (the first is used), Save asks before overwriting; both add the
// chosen file type's extension to a name typed without one.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* owner, FileDialogKind kind,
                                            const QString& title, const QString& filter,
                                            const QString& initialName = {});
