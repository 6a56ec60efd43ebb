// The frame the record forms share: a modal dialog with a body of labelled
// entry boxes (each with an object name) and OK / Cancel. OK asks the form
// what is wrong with the entries; a problem is shown through the UI seam as
// an error naming the field, and the form stays open on that field.
#pragma once

#include "qtkit/UiSeam.h"

#include <QDialog>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QVBoxLayout;

// What OK found, in the user's language: empty text when the entries may be
// taken.
struct FormProblem {
    QString text;
    QWidget* field = nullptr;
};

class CRecordFormDialog final : public QDialog {
public:
    CRecordFormDialog(QWidget* owner, IUiSeam& ui, const char* objectName, const QString& caption);

    QVBoxLayout& Body() { return *m_pBody; }
    // A labelled one-line entry in `form`, named `objectName`.
    QLineEdit* AddEntry(QFormLayout& form, const QString& label, const QString& objectName,
                        const QString& text);
    QLineEdit* AddNumber(QFormLayout& form, const QString& label, const QString& objectName,
                         std::uint32_t value);
    QComboBox* AddChoice(QFormLayout& form, const QString& label, const QString& objectName);

    // Runs modally. At OK `check` reads the entries; an empty problem
    // closes the form with IDOK. Cancel closes it with IDCANCEL.
    int Run(const std::function<FormProblem()>& check);

private:
    IUiSeam& m_ui;
    QVBoxLayout* m_pBody;
};

// A record's fixed-size name field (Windows-1252 bytes up to the first zero)
// as text, and text back as those bytes: none when the code page cannot
// hold a character of it.
QString AnsiFieldText(const char* field, std::size_t size);
std::optional<std::string> AnsiBytes(const QString& text);
// Copies `text` (already checked against the field's length) zero-filled.
void SetAnsiField(char* field, std::size_t size, const std::string& text);
// The problem with a name entry as record text of at most `max` characters,
// in the user's language; empty when `bytes` was filled.
QString NameEntryProblem(const QString& text, std::size_t max, std::string& bytes);
