#include "qtkit/vxui/RecordFormDialog.h"

#include "model/EntryValues.h"
#include "model/RecordChecks.h"
#include "platform/CodePage.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cstring>

CRecordFormDialog::CRecordFormDialog(QWidget* owner, IUiSeam& ui, const char* objectName,
                                     const QString& caption)
    : QDialog(owner), m_ui(ui), m_pBody(new QVBoxLayout) {
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_pBody);
}

QLineEdit* CRecordFormDialog::AddEntry(QFormLayout& form, const QString& label,
                                       const QString& objectName, const QString& text) {
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(objectName);
    form.addRow(label, edit);
    return edit;
}

QLineEdit* CRecordFormDialog::AddNumber(QFormLayout& form, const QString& label,
                                        const QString& objectName, std::uint32_t value) {
    QLineEdit* edit = AddEntry(form, label, objectName, QString::number(value));
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QComboBox* CRecordFormDialog::AddChoice(QFormLayout& form, const QString& label,
                                        const QString& objectName) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(objectName);
    form.addRow(label, combo);
    return combo;
}

int CRecordFormDialog::Run(const std::function<FormProblem()>& check) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("Buttons");
    static_cast<QVBoxLayout*>(layout())->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this, check] {
        const FormProblem problem = check();
        if (problem.text.isEmpty()) {
            accept();
            return;
        }
        ShowStop(m_ui, this, problem.text);
        if (problem.field)
            problem.field->setFocus();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return exec() == QDialog::Accepted ? IUiSeam::IDOK : IUiSeam::IDCANCEL;
}

QString AnsiFieldText(const char* field, std::size_t size) {
    const std::u16string text = AnsiToUtf16({field, strnlen(field, size)});
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::string> AnsiBytes(const QString& text) {
    const std::u16string wide(reinterpret_cast<const char16_t*>(text.utf16()),
                              static_cast<std::size_t>(text.size()));
    if (wide.find(u'\0') != std::u16string::npos)
        return std::nullopt;
    std::string bytes = Utf16ToAnsi(wide);
    // The code page writes its default character for what it cannot hold.
    if (AnsiToUtf16(bytes) != wide)
        return std::nullopt;
    return bytes;
}

void SetAnsiField(char* field, std::size_t size, const std::string& text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}

QString NameEntryProblem(const QString& text, std::size_t max, std::string& bytes) {
    const auto ansi = AnsiBytes(text);
    if (!ansi)
        return QCoreApplication::translate("RecordForm",
                                           "Name has characters that Windows-1252 cannot hold.");
    if (ansi->empty())
        return Text(EmptyNameProblem());
    if (ansi->size() > max)
        return Text(NameLengthProblem(max));
    bytes = *ansi;
    return {};
}
