// The wait cursor for the length of a scope; End() gives the arrow back
// early, before a message box that the user must answer.
#pragma once

#include "qtkit/UiSeam.h"

class CWaitCursor {
public:
    explicit CWaitCursor(IUiSeam& ui) : m_pUi(&ui) { ui.SetWaitCursor(true); }
    ~CWaitCursor() { End(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    void End() {
        if (m_pUi)
            m_pUi->SetWaitCursor(false);
        m_pUi = nullptr;
    }

private:
    IUiSeam* m_pUi;
};
