#include "platform/vxui/DescriptionDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// A fixed-size name field as text: up to its first zero byte.
template <std::size_t N> QString Name(const char (&name)[N]) {
    std::size_t n = 0;
    while (n < N && name[n] != '\0')
        ++n;
    return QString::fromLatin1(name, static_cast<qsizetype>(n));
}
} // namespace

QString CDescriptionDialogBase::DescriptionText() const {
    QStringList lines;
    if (m_channel)
        lines << QString("Channel: %1 (CH# %2, service %3, video PID %4, audio PID %5)")
                     .arg(Name(m_channel->Name))
                     .arg(m_channel->ProgramNum)
                     .arg(m_channel->ServiceID)
                     .arg(m_channel->VideoPID)
                     .arg(m_channel->AudioPID);
    if (m_satellite)
        lines << QString("Satellite: %1 (ID %2)").arg(Name(m_satellite->Name)).arg(m_satellite->ID);
    if (m_transponder)
        lines << QString("Transponder: TPID %1, satellite %2")
                     .arg(m_transponder->TPID)
                     .arg(m_transponder->SatID);
    if (m_broadcast)
        lines << QString("Provider: %1 (ID %2)")
                     .arg(Name(m_broadcast->Name))
                     .arg(m_broadcast->BroadcastID);
    return lines.join('\n');
}

int CDescriptionDialogBase::ShowForm(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(ClassName());
    dialog.setWindowTitle("Description");
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(DescriptionText(), &dialog);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.exec();
    return IUiSeam::IDOK;
}
