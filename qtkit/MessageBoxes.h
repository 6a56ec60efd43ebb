// The editor's message boxes, all under the program's caption.
#pragma once

#include "contracts/Texts.h"
#include "qtkit/UiSeam.h"

inline constexpr const char* kMessageCaption = texts::kProgramName;

// An error: stop icon, OK button.
void ShowStop(IUiSeam& ui, QWidget* owner, const QString& text);
// A notice: information icon, OK button.
void ShowInformation(IUiSeam& ui, QWidget* owner, const QString& text);
// A plain message: no icon, OK button.
void ShowPlain(IUiSeam& ui, QWidget* owner, const QString& text);
// An OK box with the warning icon: something was done, but not all of it.
void ShowWarning(IUiSeam& ui, QWidget* owner, const QString& text);
// A Yes / No question; true for Yes.
bool AskYesNo(IUiSeam& ui, QWidget* owner, const QString& text,
              IUiSeam::Icon icon = IUiSeam::Icon::Question);
// A Yes / No / Cancel question: IUiSeam::IDYES, IDNO or IDCANCEL.
int AskYesNoCancel(IUiSeam& ui, QWidget* owner, const QString& text,
                   IUiSeam::Icon icon = IUiSeam::Icon::Question);
