// The core's questions answered through the GUI's seam: the one prompt
// design, where the core asks through IUserPrompt and the user answers in
// a message box under the program's caption.
#pragma once

#include "contracts/Prompt.h"
#include "qtkit/UiSeam.h"

class CSeamPrompt final : public IUserPrompt {
public:
    CSeamPrompt(IUiSeam& ui, QWidget* owner) : m_ui(ui), m_pOwner(owner) {}
    PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) override;

private:
    IUiSeam& m_ui;
    QWidget* m_pOwner;
};
