#include "qtkit/vxui/VxDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

int CVxDialog::ShowForm(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(ClassName());
    dialog.setWindowTitle("Velmar"); // the program name, in every language
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QObject::tr("This form is not available in this version yet.\n"
                                             "Nothing has been changed."),
                                 &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
    return IUiSeam::IDCANCEL;
}
