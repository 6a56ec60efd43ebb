#include "qtkit/vxui/SearchNameDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

int CSearchNameDialogBase::ShowForm(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(ClassName());
    dialog.setWindowTitle(m_strCaption);
    dialog.setMinimumWidth(260);
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new QLineEdit(m_strText, &dialog);
    edit->setObjectName("Text");
    // No label shows beside the field: the caption says what it is for.
    edit->setAccessibleName(QCoreApplication::translate("RecordForm", "Name"));
    edit->setAccessibleDescription(m_strCaption);
    edit->selectAll();
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("OK");
    ok->setDefault(true); // Enter is OK, Esc is Cancel
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("Cancel");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return IUiSeam::IDCANCEL;
    m_strText = edit->text();
    return IUiSeam::IDOK;
}
