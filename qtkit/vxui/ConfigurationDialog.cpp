// The configuration dialog's form and the library settings it keeps.
#include "contracts/ReceiverProfiles.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/LinkDialogs.h"
#include "qtkit/vxui/VxuiSettings.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QVBoxLayout>

namespace {

constexpr const char* kGroup = "VXUI";
constexpr const char* kReceiverKey = "Receiver";
constexpr const char* kGridColumnKey = "GridColumn";

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

VxuiReceiverChoice LoadVxuiReceiverChoice() {
    QSettings settings("Velmar", "Velmar");
    settings.beginGroup(kGroup);
    VxuiReceiverChoice choice;
    choice.receiver = settings.value(kReceiverKey).toString().toStdString();
    bool ok = false;
    const int grid = settings.value(kGridColumnKey).toInt(&ok);
    if (ok)
        choice.gridColumn = grid;
    return choice;
}

void SaveVxuiReceiverChoice(const VxuiReceiverChoice& choice) {
    QSettings settings("Velmar", "Velmar");
    settings.beginGroup(kGroup);
    settings.setValue(kReceiverKey, QString::fromStdString(choice.receiver));
    if (choice.gridColumn)
        settings.setValue(kGridColumnKey, *choice.gridColumn);
    settings.sync();
}

CDlgConfiguration::CDlgConfiguration(IUiSeam& ui) : CVxDialogOf(ui) {
    const VxuiReceiverChoice saved = LoadVxuiReceiverChoice();
    m_strReceiver = saved.receiver;
    m_nGridColumn = saved.gridColumn.value_or(0);
}

int CDlgConfiguration::DoModal() {
    const int result = CVxDialog::DoModal();
    if (result == IUiSeam::IDOK)
        SaveVxuiReceiverChoice({m_strReceiver, m_nGridColumn});
    return result;
}

void CDlgConfiguration::Choose(const std::string& receiver, int gridColumn) {
    m_strReceiver = receiver;
    m_nGridColumn = gridColumn != 0 ? 1 : 0;
}

int CDlgConfiguration::ShowForm(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(ClassName());
    dialog.setWindowTitle(QObject::tr("Configuration"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QObject::tr("Receiver:"), &dialog));
    auto* list = new QListWidget(&dialog);
    list->setObjectName("ReceiverList");
    const ReceiverProfile* current = FindReceiverProfile(m_strReceiver);
    if (!current)
        current = &DefaultReceiverProfile();
    for (const ReceiverProfile& p : ReceiverProfiles()) {
        // The descriptions and models in the language; the short name is
        // what --receiver takes.
        auto* item = new QListWidgetItem(Text(p.description), list);
        item->setData(Qt::UserRole, Utf8(p.name));
        item->setToolTip(Text(p.models) + " (" + Utf8(p.name) + ")");
        if (&p == current)
            list->setCurrentItem(item);
    }
    layout->addWidget(list);
    auto* columns = new QCheckBox(
        QObject::tr("Show the technical columns (record keys, satellite and transponder "
                    "numbers, PIDs)"),
        &dialog);
    columns->setObjectName("TechnicalColumns");
    columns->setChecked(m_nGridColumn != 0);
    layout->addWidget(columns);
    layout->addWidget(
        new QLabel(QObject::tr("The choice takes effect when the program starts again."), &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(560, 380);
    if (dialog.exec() != QDialog::Accepted || !list->currentItem())
        return IUiSeam::IDCANCEL;
    Choose(list->currentItem()->data(Qt::UserRole).toString().toStdString(),
           columns->isChecked() ? 1 : 0);
    return IUiSeam::IDOK;
}
