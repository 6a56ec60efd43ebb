// The one-line name dialog (also used to search by name): the caller sets
// the caption and presets the text; after OK it reads the text.
#pragma once

#include "qtkit/vxui/VxDialog.h"

#include <QString>

class CSearchNameDialogBase : public CVxDialog {
public:
    using Result = QString;
    void SetCaption(const QString& caption) { m_strCaption = caption; }
    void SetText(const QString& text) { m_strText = text; }
    const QString& Caption() const { return m_strCaption; }
    const QString& Text() const { return m_strText; }
    void Answer(const QString& text) { m_strText = text; }
    int ShowForm(QWidget* owner) override;

protected:
    using CVxDialog::CVxDialog;

private:
    QString m_strCaption;
    QString m_strText;
};

class CDlgSearchName final : public CVxDialogOf<CDlgSearchName, CSearchNameDialogBase> {
public:
    static constexpr const char* kClassName = "CDlgSearchName";
    explicit CDlgSearchName(IUiSeam& ui) : CVxDialogOf(ui) {}
};
