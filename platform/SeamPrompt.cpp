#include "platform/SeamPrompt.h"

#include "platform/MessageBoxes.h"

namespace {
QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

bool CSeamPrompt::AskYesNo(std::string_view text) {
    return ::AskYesNo(m_ui, m_pOwner, Text(text), IUiSeam::Icon::Stop);
}

void CSeamPrompt::Inform(std::string_view text) {
    ShowPlain(m_ui, m_pOwner, Text(text));
}
