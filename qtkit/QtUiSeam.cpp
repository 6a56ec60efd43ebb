#include "qtkit/QtUiSeam.h"

#include "qtkit/vxui/VxDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

namespace {

QMessageBox::Icon BoxIcon(IUiSeam::Icon icon) {
    switch (icon) {
    case IUiSeam::Icon::Stop:
        return QMessageBox::Critical;
    case IUiSeam::Icon::Question:
        return QMessageBox::Question;
    case IUiSeam::Icon::Information:
        return QMessageBox::Information;
    case IUiSeam::Icon::Warning:
        return QMessageBox::Warning;
    case IUiSeam::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A Qt progress dialog scaled to a thousand steps, whatever the total.
class CQtProgress final : public IProgress {
public:
    CQtProgress(QWidget* owner, const QString& title, const QString& label)
        : m_dialog(label, QObject::tr("Cancel"), 0, 1000, owner) {
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(400);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }
    bool Step(std::uint64_t done, std::uint64_t total) override {
        const std::uint64_t scaled =
            total == 0 ? 0 : std::min<std::uint64_t>(done, total) * 1000 / total;
        m_dialog.setValue(static_cast<int>(scaled)); // lets the Cancel button be pressed
        QCoreApplication::processEvents();
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

// The extension of a typed name follows the file type chosen when the user
// confirms, whichever way the type was chosen.
class CFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    void accept() override {
        const QString fixed = property(kDefaultExtension).toString();
        setDefaultSuffix(fixed.isEmpty() ? DefaultSuffixFor(selectedNameFilter()) : fixed);
        QFileDialog::accept();
    }
    static constexpr const char* kDefaultExtension = "defaultExtension";
};

} // namespace

int CQtUiSeam::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                          Buttons buttons, Icon icon) {
    return MessageBoxWithDetails(owner, text, QString(), caption, buttons, icon);
}

int CQtUiSeam::MessageBoxWithDetails(QWidget* owner, const QString& text,
                                     const QString& informative, const QString& caption,
                                     Buttons buttons, Icon icon, const QString& proceed) {
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setInformativeText(informative);
    box.setIcon(BoxIcon(icon));
    if (buttons == Buttons::Ok && !proceed.isEmpty()) {
        QPushButton* go = box.addButton(proceed, QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == go ? IDOK : IDCANCEL;
    }
    switch (buttons) {
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    case Buttons::YesNoCancel: {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        const int pressed = box.exec();
        return pressed == QMessageBox::Yes ? IDYES : pressed == QMessageBox::No ? IDNO : IDCANCEL;
    }
    case Buttons::Ok:
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}

QString CQtUiSeam::OpenFileName(QWidget* owner, const QString& title, const QString& filter) {
    const auto dialog = MakeFileDialog(owner, FileDialogKind::Open, title, filter);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().first();
}

QString CQtUiSeam::SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                                const QString& initialName, const QString& defaultExtension) {
    const auto dialog = MakeFileDialog(owner, FileDialogKind::Save, title, filter, initialName);
    if (!defaultExtension.isEmpty()) {
        dialog->setProperty(CFileDialog::kDefaultExtension, defaultExtension);
        dialog->setDefaultSuffix(defaultExtension);
    }
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().first();
}

void CQtUiSeam::SetWaitCursor(bool wait) {
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

int CQtUiSeam::RunDialog(CVxDialog& dialog) {
    return dialog.ShowForm(QApplication::activeWindow());
}

std::unique_ptr<IProgress> CQtUiSeam::BeginProgress(QWidget* owner, const QString& title,
                                                    const QString& label) {
    return std::make_unique<CQtProgress>(owner, title, label);
}

QStringList QtNameFilters(const QString& framework) {
    const QStringList parts = framework.split('|', Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (!description.contains('('))
            description += " (" + parts[i + 1] + ")";
        out << description;
    }
    return out;
}

QString DefaultSuffixFor(const QString& nameFilter) {
    const qsizetype open = nameFilter.lastIndexOf('('), close = nameFilter.lastIndexOf(')');
    const QString patterns =
        open >= 0 && close > open ? nameFilter.mid(open + 1, close - open - 1) : nameFilter;
    const QStringList each = patterns.split(' ', Qt::SkipEmptyParts);
    if (each.size() == 1 && each[0].startsWith("*.")) {
        const QString extension = each[0].mid(2);
        if (!extension.isEmpty() && !extension.contains('*') && !extension.contains('?'))
            return extension;
    }
    return "bin";
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* owner, FileDialogKind kind,
                                            const QString& title, const QString& filter,
                                            const QString& initialName) {
    auto dialog = std::make_unique<CFileDialog>(owner, title);
    // Qt's own dialog, so the extension rule holds whatever the desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilters(QtNameFilters(filter));
    if (kind == FileDialogKind::Open) {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFiles);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        if (!initialName.isEmpty())
            dialog->selectFile(initialName);
    }
    dialog->setDefaultSuffix(DefaultSuffixFor(dialog->selectedNameFilter()));
    return dialog;
}
