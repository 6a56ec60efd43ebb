#include "app/PrintDialogs.h"

#include "contracts/ZorvDB.h"
#include "platform/CodePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Marked for the catalogues, looked up where they are shown.
constexpr const char* kChoiceTitle = QT_TRANSLATE_NOOP("CDlgPrintChoice", "Print");
constexpr const char* kChoiceQuestion = QT_TRANSLATE_NOOP("CDlgPrintChoice", "Print these lists:");
constexpr const char* kTVList = QT_TRANSLATE_NOOP("CDlgPrintChoice", "TV list");
constexpr const char* kRadioList = QT_TRANSLATE_NOOP("CDlgPrintChoice", "Radio list");
constexpr const char* kPreviewTitle = QT_TRANSLATE_NOOP("CDlgPrintPreview", "Print preview");

QString ChoiceText(const char* text) {
    return QCoreApplication::translate("CDlgPrintChoice", text);
}

// Qt's preview names none of its own controls for a screen reader: the
// pages, the page number field and the zoom.
void NamePreviewControls(QPrintPreviewDialog& dialog) {
    for (QGraphicsView* view : dialog.findChildren<QGraphicsView*>())
        view->setAccessibleName(QCoreApplication::translate("CDlgPrintPreview", "Pages"));
    for (QComboBox* zoom : dialog.findChildren<QComboBox*>())
        zoom->setAccessibleName(QCoreApplication::translate("CDlgPrintPreview", "Zoom"));
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(edit->parentWidget()))
            edit->setAccessibleName(QCoreApplication::translate("CDlgPrintPreview", "Page number"));
}

} // namespace

void CPrintChoiceDialogBase::SetOptions(const CZorvDB& db, const Product& product,
                                        const PrintChoice& choice) {
    m_options.clear();
    m_options.push_back({Option::List::TV, 0, ChoiceText(kTVList), choice.tv});
    m_options.push_back({Option::List::Radio, 0, ChoiceText(kRadioList), choice.radio});
    for (const PrintSection& section : FavoriteListSections(db, product)) {
        const bool chosen = std::find(choice.favorites.begin(), choice.favorites.end(),
                                      section.favorite) != choice.favorites.end();
        m_options.push_back({Option::List::Favorite, section.favorite,
                             QString::fromStdU16String(AnsiToUtf16(section.title)), chosen});
    }
}

void CPrintChoiceDialogBase::Check(std::size_t option, bool checked) {
    if (option < m_options.size())
        m_options[option].checked = checked;
}

PrintChoice CPrintChoiceDialogBase::Choice() const {
    PrintChoice choice{false, false, {}};
    for (const Option& o : m_options) {
        if (!o.checked)
            continue;
        if (o.list == Option::List::TV)
            choice.tv = true;
        else if (o.list == Option::List::Radio)
            choice.radio = true;
        else
            choice.favorites.push_back(o.favorite);
    }
    return choice;
}

int CPrintChoiceDialogBase::ShowForm(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(ClassName());
    dialog.setWindowTitle(ChoiceText(kChoiceTitle));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(ChoiceText(kChoiceQuestion), &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    std::vector<QCheckBox*> boxes;
    auto update = [&] {
        const bool any = std::any_of(boxes.begin(), boxes.end(),
                                     [](const QCheckBox* b) { return b->isChecked(); });
        buttons->button(QDialogButtonBox::Ok)->setEnabled(any);
    };
    for (const Option& o : m_options) {
        auto* box = new QCheckBox(o.text, &dialog);
        box->setChecked(o.checked);
        QObject::connect(box, &QCheckBox::toggled, &dialog, update);
        layout->addWidget(box);
        boxes.push_back(box);
    }
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    update();
    if (dialog.exec() != QDialog::Accepted)
        return IUiSeam::IDCANCEL;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        m_options[i].checked = boxes[i]->isChecked();
    return IUiSeam::IDOK;
}

int CPrintPreviewDialogBase::ShowForm(QWidget* owner) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_job.title);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setObjectName(ClassName());
    dialog.setWindowTitle(QCoreApplication::translate("CDlgPrintPreview", kPreviewTitle));
    NamePreviewControls(dialog);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* target) { PaintListPages(*target, m_job); });
    return dialog.exec() == QDialog::Accepted ? IUiSeam::IDOK : IUiSeam::IDCANCEL;
}
