#include "qtkit/vxui/DescriptionDialog.h"

#include "model/DescriptionTexts.h"
#include "model/Product.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The label as an object name: "Symbol rate" -> "SymbolRate".
QString WidgetName(const std::string& label) {
    QString name;
    bool upper = true;
    for (QChar ch : QString::fromStdString(label)) {
        if (ch == ' ') {
            upper = true;
            continue;
        }
        name += upper ? ch.toUpper() : ch;
        upper = false;
    }
    return name;
}

// Values are record data, but "Yes" and "No" are the core's words.
QString Value(const DescriptionLine& line) {
    if (line.valueIsWord)
        return Text(line.value);
    return AnsiFieldText(line.value.data(), line.value.size());
}

} // namespace

DescriptionLines CDescriptionDialogBase::Lines() const {
    const int list = Product::Current().list;
    if (m_channel) {
        ChannelDescription d;
        d.channel = &*m_channel;
        d.satellite = m_satellite ? &*m_satellite : nullptr;
        d.transponder = m_transponder ? &*m_transponder : nullptr;
        d.broadcast = m_broadcast ? &*m_broadcast : nullptr;
        return ChannelDescriptionLines(d, list);
    }
    DescriptionLines lines;
    if (m_satellite)
        lines = SatelliteDescriptionLines(*m_satellite);
    if (m_transponder)
        for (auto& line : TransponderDescriptionLines(*m_transponder, list))
            lines.push_back(std::move(line));
    return lines;
}

QString CDescriptionDialogBase::DescriptionText() const {
    QStringList out;
    for (const auto& line : Lines())
        out << Text(line.label) + ": " + Value(line);
    return out.join('\n');
}

int CDescriptionDialogBase::ShowForm(QWidget* owner) {
    QDialog dialog(owner);
    dialog.setObjectName(ClassName());
    dialog.setWindowTitle(QObject::tr("Description"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    for (const auto& line : Lines()) {
        auto* value = new QLabel(Value(line), &dialog);
        value->setObjectName(WidgetName(line.label));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* label = new QLabel(Text(line.label), &dialog);
        label->setObjectName(WidgetName(line.label) + "Label");
        form->addRow(label, value);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OK");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.exec();
    return IUiSeam::IDOK;
}
