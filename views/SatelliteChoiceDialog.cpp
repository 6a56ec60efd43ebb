#include "views/SatelliteChoiceDialog.h"

#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "lists/SatelliteImport.h"
#include "model/SatelliteRecords.h"
#include "platform/Phrase.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

void CSatelliteChoiceDialogBase::SetSatellites(const std::vector<XmlSatellite>& file,
                                               const CZorvDB& db) {
    m_choices.clear();
    for (const XmlSatellite& s : file) {
        const WORD degree = DegreeOfPosition(s.position);
        bool here = false;
        for (const Satellite_Info_Tag& mine : db.Rows<Satellite_Info_Tag>(kTableSatellite))
            here = here || mine.Degree == degree;
        const QString name = AnsiFieldText(s.name.data(), s.name.size());
        const QString count = Text(
            phrase::Count(s.transponders.size(), texts::kOneTransponder, texts::kTransponderCount));
        m_choices.push_back(
            {s.position,
             Text(here ? texts::kSatelliteChoiceInList : texts::kSatelliteChoiceNew)
                 .arg(QString::fromStdString(PositionText(s.position)), name, count),
             true});
    }
}

void CSatelliteChoiceDialogBase::Choose(std::size_t at, bool chosen) {
    if (at < m_choices.size())
        m_choices[at].chosen = chosen;
}

std::vector<int> CSatelliteChoiceDialogBase::ChosenPositions() const {
    std::vector<int> positions;
    for (const Choice& c : m_choices)
        if (c.chosen &&
            std::find(positions.begin(), positions.end(), c.position) == positions.end())
            positions.push_back(c.position);
    return positions;
}

std::unique_ptr<QDialog> CSatelliteChoiceDialogBase::BuildForm(QWidget* owner) {
    auto dialog = std::make_unique<QDialog>(owner);
    dialog->setObjectName(ClassName());
    dialog->setWindowTitle(Text(texts::kSatelliteChoiceCaption));
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(new QLabel(Text(texts::kSatelliteChoiceLine), dialog.get()));
    auto* list = new QListWidget(dialog.get());
    list->setObjectName("SatelliteChoices");
    for (const Choice& c : m_choices) {
        auto* item = new QListWidgetItem(c.text, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(c.chosen ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(list);
    auto* prune = new QCheckBox(Text(texts::kPruneTransponders), dialog.get());
    prune->setObjectName("PruneTransponders");
    prune->setChecked(m_bPrune);
    prune->setToolTip(Text(texts::kPruneTranspondersNote));
    layout->addWidget(prune);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog.get());
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    // Nothing chosen, nothing to import.
    const auto anyChosen = [list] {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->checkState() == Qt::Checked)
                return true;
        return false;
    };
    ok->setEnabled(anyChosen());
    QObject::connect(list, &QListWidget::itemChanged, ok,
                     [ok, anyChosen](QListWidgetItem*) { ok->setEnabled(anyChosen()); });
    QDialog* raw = dialog.get();
    QObject::connect(buttons, &QDialogButtonBox::rejected, raw, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, raw, [this, raw, list, prune] {
        for (int i = 0; i < list->count(); ++i)
            Choose(static_cast<std::size_t>(i), list->item(i)->checkState() == Qt::Checked);
        SetPrune(prune->isChecked());
        raw->accept();
    });
    layout->addWidget(buttons);
    dialog->resize(460, 380);
    return dialog;
}

int CSatelliteChoiceDialogBase::ShowForm(QWidget* owner) {
    const std::unique_ptr<QDialog> dialog = BuildForm(owner);
    return dialog->exec() == QDialog::Accepted ? IUiSeam::IDOK : IUiSeam::IDCANCEL;
}
