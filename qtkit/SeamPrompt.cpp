#include "qtkit/SeamPrompt.h"

#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"

namespace {

IUiSeam::Buttons SeamButtons(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::YesNo:
        return IUiSeam::Buttons::YesNo;
    case PromptButtons::YesNoCancel:
        return IUiSeam::Buttons::YesNoCancel;
    case PromptButtons::Ok:
        break;
    }
    return IUiSeam::Buttons::Ok;
}

IUiSeam::Icon SeamIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Stop:
        return IUiSeam::Icon::Stop;
    case PromptIcon::Question:
        return IUiSeam::Icon::Question;
    case PromptIcon::Information:
        return IUiSeam::Icon::Information;
    case PromptIcon::None:
        break;
    }
    return IUiSeam::Icon::None;
}

} // namespace

PromptAnswer CSeamPrompt::Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) {
    const int answer = m_ui.MessageBox(m_pOwner, Text(text), // the core's own texts are marked
                                       kMessageCaption, SeamButtons(buttons), SeamIcon(icon));
    // An answer that is no button of the box is the one that changes nothing.
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
        return answer == IUiSeam::IDYES ? PromptAnswer::Yes : PromptAnswer::No;
    case PromptButtons::YesNoCancel:
        break;
    }
    return answer == IUiSeam::IDYES  ? PromptAnswer::Yes
           : answer == IUiSeam::IDNO ? PromptAnswer::No
                                     : PromptAnswer::Cancel;
}
