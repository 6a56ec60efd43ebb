#include "qtkit/vxui/LinkDialogs.h"

#include "qtkit/vxui/LinkForm.h"

int CLinkDialogBase::ShowForm(QWidget* owner) {
    const bool sends = Sends();
    // The plain and the Ex receive dialog share the form; each remembers its
    // own last line, as they serve different receiver families.
    CLinkForm form(owner, sends ? CLinkForm::Direction::Send : CLinkForm::Direction::Receive,
                   sends ? QObject::tr("Send DB to STB") : QObject::tr("Receive DB from STB"),
                   ClassName(), Path());
    return form.exec() == QDialog::Accepted ? IUiSeam::IDOK : IUiSeam::IDCANCEL;
}
