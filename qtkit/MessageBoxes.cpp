#include "qtkit/MessageBoxes.h"

void ShowStop(IUiSeam& ui, QWidget* owner, const QString& text) {
    ui.MessageBox(owner, text, kMessageCaption, IUiSeam::Buttons::Ok, IUiSeam::Icon::Stop);
}

void ShowInformation(IUiSeam& ui, QWidget* owner, const QString& text) {
    ui.MessageBox(owner, text, kMessageCaption, IUiSeam::Buttons::Ok, IUiSeam::Icon::Information);
}

void ShowWarning(IUiSeam& ui, QWidget* owner, const QString& text) {
    ui.MessageBox(owner, text, kMessageCaption, IUiSeam::Buttons::Ok, IUiSeam::Icon::Warning);
}

void ShowPlain(IUiSeam& ui, QWidget* owner, const QString& text) {
    ui.MessageBox(owner, text, kMessageCaption, IUiSeam::Buttons::Ok, IUiSeam::Icon::None);
}

bool AskYesNo(IUiSeam& ui, QWidget* owner, const QString& text, IUiSeam::Icon icon) {
    return ui.MessageBox(owner, text, kMessageCaption, IUiSeam::Buttons::YesNo, icon) ==
           IUiSeam::IDYES;
}

int AskYesNoCancel(IUiSeam& ui, QWidget* owner, const QString& text, IUiSeam::Icon icon) {
    const int answer =
        ui.MessageBox(owner, text, kMessageCaption, IUiSeam::Buttons::YesNoCancel, icon);
    return answer == IUiSeam::IDYES || answer == IUiSeam::IDNO ? answer : IUiSeam::IDCANCEL;
}
