#include "views/CompareDialog.h"

#include "compare/CompareReport.h"
#include "contracts/Texts.h"
#include "qtkit/Translation.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace comparison {

QString GroupTitle(DifferenceKind kind) {
    switch (kind) {
    case DifferenceKind::ChannelOnlyInA:
        return Text(texts::kChannelsOnlyHere);
    case DifferenceKind::ChannelOnlyInB:
        return Text(texts::kChannelsOnlyThere);
    case DifferenceKind::NumberChanged:
        return Text(texts::kNumberChanged);
    case DifferenceKind::NameChanged:
        return Text(texts::kNameChanged);
    case DifferenceKind::TuningChanged:
        return Text(texts::kTuningChanged);
    case DifferenceKind::FlagsChanged:
        return Text(texts::kFlagsChanged);
    case DifferenceKind::FavoritesChanged:
        return Text(texts::kFavoritesChanged);
    case DifferenceKind::SatelliteOnlyInA:
        return Text(texts::kSatellitesOnlyHere);
    case DifferenceKind::SatelliteOnlyInB:
        return Text(texts::kSatellitesOnlyThere);
    case DifferenceKind::SatelliteChanged:
        return Text(texts::kSatelliteRenamed);
    case DifferenceKind::TransponderOnlyInA:
        return Text(texts::kTranspondersOnlyHere);
    case DifferenceKind::TransponderOnlyInB:
        return Text(texts::kTranspondersOnlyThere);
    case DifferenceKind::TransponderChanged:
        return Text(texts::kTransponderChanged);
    case DifferenceKind::MultiplexOnlyInA:
        return Text(texts::kMultiplexesOnlyHere);
    case DifferenceKind::MultiplexOnlyInB:
        return Text(texts::kMultiplexesOnlyThere);
    case DifferenceKind::MultiplexChanged:
    case DifferenceKind::Count:
        break;
    }
    return Text(texts::kMultiplexChanged);
}

QString GroupHeading(DifferenceKind kind, std::size_t count) {
    return QString("%1 (%2)").arg(GroupTitle(kind), QString::number(count));
}

} // namespace comparison

namespace {

// The key of a tree row's channel in this list, 0 for none.
constexpr int kKeyRole = Qt::UserRole;

} // namespace

void CCompareDialogBase::SetComparison(const Comparison& c, const QString& other,
                                       std::size_t toAdd) {
    m_groups.clear();
    for (const Difference& d : c.differences) {
        if (m_groups.empty() || m_groups.back().kind != d.kind)
            m_groups.push_back({d.kind, comparison::GroupHeading(d.kind, c.Count(d.kind)), {}});
        const bool ours = SubjectOf(d.kind) == DifferenceSubject::Channel && d.keyA != 0;
        m_groups.back().rows.push_back({Text(DifferenceLine(d)), ours ? d.keyA : 0});
    }
    m_summary = Text(texts::kCompareSummary)
                    .arg(QFileInfo(other).fileName(),
                         QString::number(static_cast<qulonglong>(c.differences.size())));
    m_bSourcesCompared = c.comparedSources;
    m_nToAdd = toAdd;
}

void CCompareDialogBase::SelectChannel(std::uint32_t key) const {
    if (key != 0 && m_select)
        m_select(key);
}

std::unique_ptr<QDialog> CCompareDialogBase::BuildForm(QWidget* owner) {
    auto dialog = std::make_unique<QDialog>(owner);
    dialog->setObjectName(ClassName());
    dialog->setWindowTitle(Text(texts::kCompareCaption));
    auto* layout = new QVBoxLayout(dialog.get());
    auto* summary = new QLabel(m_summary, dialog.get());
    summary->setObjectName("CompareSummary");
    layout->addWidget(summary);
    if (!m_bSourcesCompared) {
        auto* note = new QLabel(Text(texts::kSourcesNotCompared), dialog.get());
        note->setObjectName("SourcesNotCompared");
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto* tree = new QTreeWidget(dialog.get());
    tree->setObjectName("CompareTree");
    tree->setAccessibleName(QCoreApplication::translate("CDlgCompare", "Differences"));
    tree->setAccessibleDescription(m_summary);
    tree->setHeaderHidden(true);
    tree->setUniformRowHeights(true);
    for (const Group& group : m_groups) {
        auto* top = new QTreeWidgetItem(tree, {group.heading});
        top->setData(0, kKeyRole, 0u);
        for (const Row& row : group.rows) {
            auto* item = new QTreeWidgetItem(top, {row.text});
            item->setData(0, kKeyRole, row.channelKey);
        }
    }
    tree->expandAll();
    layout->addWidget(tree);
    const auto choose = [this](QTreeWidgetItem* item) {
        if (item)
            SelectChannel(item->data(0, kKeyRole).toUInt());
    };
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                     [choose](QTreeWidgetItem* item, QTreeWidgetItem*) { choose(item); });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, tree,
                     [choose](QTreeWidgetItem* item, int) { choose(item); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog.get());
    auto* add = buttons->addButton(Text(texts::kAddToThisList), QDialogButtonBox::ActionRole);
    add->setObjectName("AddToThisList");
    add->setEnabled(m_nToAdd > 0);
    QDialog* raw = dialog.get();
    QObject::connect(buttons, &QDialogButtonBox::rejected, raw, &QDialog::reject);
    QObject::connect(add, &QPushButton::clicked, raw, [this, raw] {
        ChooseAddToThisList();
        raw->accept();
    });
    layout->addWidget(buttons);
    dialog->resize(620, 480);
    return dialog;
}

int CCompareDialogBase::ShowForm(QWidget* owner) {
    const std::unique_ptr<QDialog> dialog = BuildForm(owner);
    return dialog->exec() == QDialog::Accepted ? IUiSeam::IDOK : IUiSeam::IDCANCEL;
}
