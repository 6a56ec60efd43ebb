#include "platform/UiSeam.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

int CQtUiSeam::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                          Buttons buttons, Icon icon) {
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(icon == Icon::Stop          ? QMessageBox::Critical
                : icon == Icon::Question    ? QMessageBox::Question
                : icon == Icon::Information ? QMessageBox::Information
                                            : QMessageBox::NoIcon);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    if (buttons == Buttons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        const int chosen = box.exec();
        return chosen == QMessageBox::Yes ? IDYES : chosen == QMessageBox::No ? IDNO : IDCANCEL;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}

QString CQtUiSeam::OpenFileName(QWidget* owner, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(owner, title, {}, QtFilter(filter));
}

QString CQtUiSeam::SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                                const QString& initialName) {
    return QFileDialog::getSaveFileName(owner, title, initialName, QtFilter(filter));
}

void CQtUiSeam::SetWaitCursor(bool wait) {
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

int CScriptedUiSeam::MessageBox(QWidget*, const QString& text, const QString& caption,
                                Buttons buttons, Icon icon) {
    messages.push_back({text, caption, buttons, icon});
    if (m_answers.empty())
        return buttons == Buttons::YesNo ? IDNO : buttons == Buttons::YesNoCancel ? IDCANCEL : IDOK;
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QString CScriptedUiSeam::OpenFileName(QWidget*, const QString& title, const QString& filter) {
    dialogTitles.push_back(title);
    dialogFilters.push_back(filter);
    if (m_files.empty())
        return {};
    const QString path = m_files.front();
    m_files.pop_front();
    return path;
}

QString CScriptedUiSeam::SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                                      const QString&) {
    return OpenFileName(owner, title, filter);
}

QString QtFilter(const QString& framework) {
    const QStringList parts = framework.split('|', Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        if (!description.contains('('))
            description += " (" + parts[i + 1] + ")";
        out << description;
    }
    return out.join(";;");
}
