#include "views/InformationDialog.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "qtkit/vxui/RecordFormDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace information {

QString Number(std::int64_t n) {
    QString digits = QString::number(n < 0 ? -n : n);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, ',');
    return n < 0 ? "-" + digits : digits;
}

QString HeaderForm(const Statistics& s) {
    return s.zorvImage ? "The maker's form (64-byte header with CRC)"
                       : "The working form (VX header)";
}

QString Product(const Statistics& s) {
    QStringList sources;
    if (IsSatellite(s.productType))
        sources << "satellite";
    if (IsTerrestrial(s.productType))
        sources << "terrestrial";
    if (IsCable(s.productType))
        sources << "cable";
    return QString("Model %1, type 0x%2 (%3), byte order %4")
        .arg(s.productList)
        .arg(s.productType, 2, 16, QChar('0'))
        .arg(sources.isEmpty() ? QString("no reception bits") : sources.join(", "))
        .arg(s.byteOrder);
}

QString TableTitle(std::uint8_t table) {
    switch (table) {
    case kTableFavorite:
        return "Favourite lists";
    case kTableSatellite:
        return "Satellites";
    case kTableTransponder:
        return "Transponders";
    case kTableBroadcast:
        return "Providers";
    case kTableTerrestrialMux:
        return "Terrestrial multiplexes";
    case kTableCableMux:
        return "Cable multiplexes";
    case kTableChannel:
        return "Channels";
    default:
        return "Scratch";
    }
}

QString Usage(const TableUsage& t) {
    if (!t.capacity)
        return QString("%1 (this receiver does not save them)").arg(Number(t.count));
    const std::int64_t free = *t.Free();
    return QString("%1 of %2 used, %3")
        .arg(Number(t.count), Number(*t.capacity),
             free >= 0 ? Number(free) + " free" : Number(-free) + " too many to save");
}

QString ChannelCounts(const Statistics& s) {
    return QString("%1 TV, %2 radio").arg(Number(s.tv), Number(s.radio));
}

QString FlagCounts(const Statistics& s) {
    return QString("%1 locked, %2 skipped, %3 scrambled")
        .arg(Number(s.locked), Number(s.skipped), Number(s.scrambled));
}

QString DuplicateCount(const Statistics& s) {
    if (s.duplicates.empty())
        return "No duplicate channels";
    return QString("%1 duplicate channels in %2 groups")
        .arg(Number(s.DuplicateChannels()), Number(static_cast<std::int64_t>(s.duplicates.size())));
}

} // namespace information

namespace {

using namespace information;

QString Text(const std::string& bytes) {
    return AnsiFieldText(bytes.data(), bytes.size());
}

QString Describe(const Channel_Info_Tag& c) {
    return QString("CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)")
        .arg(c.ProgramNum)
        .arg(AnsiFieldText(c.Name, sizeof c.Name))
        .arg(IsTV(c) ? "TV" : "radio")
        .arg(c.SatID)
        .arg(c.TPID)
        .arg(c.OrgNetID)
        .arg(c.TSID)
        .arg(c.ServiceID);
}

QLabel* Value(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QWidget* SummaryPage(const Statistics& s) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    int row = 0;
    grid->addWidget(new QLabel("Header form:", page), row, 0);
    grid->addWidget(Value(HeaderForm(s), "HeaderForm", page), row++, 1, 1, 2);
    grid->addWidget(new QLabel("Product:", page), row, 0);
    grid->addWidget(Value(information::Product(s), "Product", page), row++, 1, 1, 2);
    for (const TableUsage& t : s.tables) {
        const QString name = QString::fromLatin1(TableName(t.table)).replace(' ', '_');
        grid->addWidget(new QLabel(TableTitle(t.table) + ":", page), row, 0);
        auto* usage = Value(Usage(t), "", page);
        usage->setObjectName("Usage_" + name);
        grid->addWidget(usage, row, 1);
        auto* bar = new QProgressBar(page);
        bar->setObjectName("Bar_" + name);
        bar->setRange(0, 100);
        const std::int64_t capacity = t.capacity.value_or(0);
        bar->setValue(capacity > 0
                          ? static_cast<int>(std::min<std::int64_t>(
                                100, (std::int64_t{t.count} * 100 + capacity - 1) / capacity))
                          : 0);
        bar->setEnabled(capacity > 0);
        bar->setMaximumHeight(14);
        grid->addWidget(bar, row++, 2);
    }
    grid->addWidget(new QLabel("Channels:", page), row, 0);
    grid->addWidget(Value(ChannelCounts(s), "ChannelCounts", page), row++, 1, 1, 2);
    grid->addWidget(new QLabel("Flags:", page), row, 0);
    grid->addWidget(Value(FlagCounts(s), "FlagCounts", page), row++, 1, 1, 2);
    grid->addWidget(new QLabel("Duplicates:", page), row, 0);
    grid->addWidget(Value(DuplicateCount(s), "DuplicateCount", page), row++, 1, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QTableWidget* PerTable(const std::vector<ChannelsPer>& rows, const char* what, const char* name) {
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 3);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels({"ID", what, "Channels"});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ChannelsPer& p = rows[static_cast<std::size_t>(r)];
        auto* count = new QTableWidgetItem(Number(p.channels));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(r, 0, new QTableWidgetItem(QString::number(p.id)));
        table->setItem(r, 1,
                       new QTableWidgetItem(p.name.empty() ? QString("(none)") : Text(p.name)));
        table->setItem(r, 2, count);
    }
    return table;
}

// Each finding with the first rows it concerns below it.
QWidget* FindingsPage(const std::vector<ListFinding>& findings) {
    auto* tree = new QTreeWidget;
    tree->setObjectName("ListFindings");
    tree->setHeaderHidden(true);
    if (findings.empty())
        new QTreeWidgetItem(tree, {QString("The list check finds no problem.")});
    for (const ListFinding& f : findings) {
        auto* top = new QTreeWidgetItem(tree, {QString::fromStdString(f.text)});
        for (const std::string& example : f.examples)
            new QTreeWidgetItem(top, {QString::fromStdString(example)});
        if (f.count > f.examples.size())
            new QTreeWidgetItem(top, {QString("… and %1 more").arg(f.count - f.examples.size())});
    }
    tree->expandAll();
    return tree;
}

} // namespace

void CInformationDialogBase::SetFigures(Statistics figures, const CZorvDB& db) {
    m_figures = std::move(figures);
    m_groups.clear();
    for (const auto& keys : m_figures.duplicates) {
        std::vector<Member> group;
        for (std::uint32_t key : keys)
            if (const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, key))
                group.push_back({key, Describe(*c)});
        m_groups.push_back(std::move(group));
    }
}

std::unique_ptr<QDialog> CInformationDialogBase::BuildForm(QWidget* owner) {
    auto dialog = std::make_unique<QDialog>(owner);
    dialog->setObjectName(ClassName());
    dialog->setWindowTitle("Information");
    auto* layout = new QVBoxLayout(dialog.get());
    auto* tabs = new QTabWidget(dialog.get());
    tabs->setObjectName("InformationTabs");
    tabs->addTab(SummaryPage(m_figures), "Summary");
    if (IsSatellite(m_figures.productType))
        tabs->addTab(PerTable(m_figures.perSatellite, "Satellite", "PerSatellite"), "Satellites");
    tabs->addTab(PerTable(m_figures.perBroadcaster, "Provider", "PerProvider"), "Providers");

    tabs->addTab(FindingsPage(m_findings), "Check");

    auto* duplicates = new QWidget;
    auto* dupLayout = new QVBoxLayout(duplicates);
    auto* tree = new QTreeWidget(duplicates);
    tree->setObjectName("DuplicateGroups");
    tree->setHeaderHidden(true);
    for (const auto& group : m_groups) {
        if (group.empty())
            continue;
        auto* top = new QTreeWidgetItem(
            tree, {QString("%1 channels: %2").arg(group.size()).arg(group.front().text)});
        for (const Member& m : group)
            new QTreeWidgetItem(top, {m.text});
    }
    dupLayout->addWidget(tree);
    auto* select = new QPushButton("Select them in the channel lists", duplicates);
    select->setObjectName("SelectDuplicates");
    select->setEnabled(!m_groups.empty());
    dupLayout->addWidget(select, 0, Qt::AlignLeft);
    tabs->addTab(duplicates, "Duplicates");
    layout->addWidget(tabs);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog.get());
    QDialog* raw = dialog.get();
    QObject::connect(buttons, &QDialogButtonBox::rejected, raw, &QDialog::reject);
    QObject::connect(select, &QPushButton::clicked, raw, [this, raw] {
        ChooseSelectDuplicates();
        raw->accept();
    });
    layout->addWidget(buttons);
    dialog->resize(560, 440);
    return dialog;
}

int CInformationDialogBase::ShowForm(QWidget* owner) {
    const std::unique_ptr<QDialog> dialog = BuildForm(owner);
    return dialog->exec() == QDialog::Accepted ? IUiSeam::IDOK : IUiSeam::IDCANCEL;
}
