#include "views/InformationDialog.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"

#include <QCoreApplication>
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
    return s.zorvImage
               ? QCoreApplication::translate("CDlgInformation",
                                             "The maker's form (64-byte header with CRC)")
               : QCoreApplication::translate("CDlgInformation", "The working form (VX header)");
}

QString Product(const Statistics& s) {
    QStringList sources;
    if (IsSatellite(s.productType))
        sources << QCoreApplication::translate("CDlgInformation", "satellite");
    if (IsTerrestrial(s.productType))
        sources << QCoreApplication::translate("CDlgInformation", "terrestrial");
    if (IsCable(s.productType))
        sources << QCoreApplication::translate("CDlgInformation", "cable");
    return QCoreApplication::translate("CDlgInformation", "Model %1, type 0x%2 (%3), byte order %4")
        .arg(s.productList)
        .arg(s.productType, 2, 16, QChar('0'))
        .arg(sources.isEmpty() ? QCoreApplication::translate("CDlgInformation", "no reception bits")
                               : sources.join(", "))
        .arg(s.byteOrder);
}

QString TableTitle(std::uint8_t table) {
    switch (table) {
    case kTableFavorite:
        return QCoreApplication::translate("CDlgInformation", "Favourite lists");
    case kTableSatellite:
        return QCoreApplication::translate("CDlgInformation", "Satellites");
    case kTableTransponder:
        return QCoreApplication::translate("CDlgInformation", "Transponders");
    case kTableBroadcast:
        return QCoreApplication::translate("CDlgInformation", "Providers");
    case kTableTerrestrialMux:
        return QCoreApplication::translate("CDlgInformation", "Terrestrial multiplexes");
    case kTableCableMux:
        return QCoreApplication::translate("CDlgInformation", "Cable multiplexes");
    case kTableChannel:
        return QCoreApplication::translate("CDlgInformation", "Channels");
    default:
        return QCoreApplication::translate("CDlgInformation", "Scratch");
    }
}

QString Usage(const TableUsage& t) {
    if (!t.capacity)
        return QCoreApplication::translate("CDlgInformation",
                                           "%1 (this receiver does not save them)")
            .arg(Number(t.count));
    const std::int64_t free = *t.Free();
    return QCoreApplication::translate("CDlgInformation", "%1 of %2 used, %3")
        .arg(Number(t.count), Number(*t.capacity),
             free >= 0 ? QCoreApplication::translate("CDlgInformation", "%1 free").arg(Number(free))
                       : QCoreApplication::translate("CDlgInformation", "%1 too many to save")
                             .arg(Number(-free)));
}

QString ChannelCounts(const Statistics& s) {
    return QCoreApplication::translate("CDlgInformation", "%1 TV, %2 radio")
        .arg(Number(s.tv), Number(s.radio));
}

QString FlagCounts(const Statistics& s) {
    return QCoreApplication::translate("CDlgInformation", "%1 locked, %2 skipped, %3 scrambled")
        .arg(Number(s.locked), Number(s.skipped), Number(s.scrambled));
}

QString DuplicateCount(const Statistics& s) {
    if (s.duplicates.empty())
        return QCoreApplication::translate("CDlgInformation", "No duplicate channels");
    return QCoreApplication::translate("CDlgInformation", "%1 duplicate channels in %2 groups")
        .arg(Number(s.DuplicateChannels()), Number(static_cast<std::int64_t>(s.duplicates.size())));
}

} // namespace information

namespace {

using namespace information;

QString AnsiText(const std::string& bytes) {
    return AnsiFieldText(bytes.data(), bytes.size());
}

QString Describe(const Channel_Info_Tag& c) {
    return QCoreApplication::translate("CDlgInformation",
                                       "CH# %1  %2  (%3, satellite %4, TPID %5, ids %6/%7/%8)")
        .arg(c.ProgramNum)
        .arg(AnsiFieldText(c.Name, sizeof c.Name))
        .arg(IsTV(c) ? QCoreApplication::translate("CDlgInformation", "TV")
                     : QCoreApplication::translate("CDlgInformation", "radio"))
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
    grid->addWidget(
        new QLabel(QCoreApplication::translate("CDlgInformation", "Header form:"), page), row, 0);
    grid->addWidget(Value(HeaderForm(s), "HeaderForm", page), row++, 1, 1, 2);
    grid->addWidget(new QLabel(QCoreApplication::translate("CDlgInformation", "Product:"), page),
                    row, 0);
    grid->addWidget(Value(information::Product(s), "Product", page), row++, 1, 1, 2);
    for (const TableUsage& t : s.tables) {
        const QString name = QString::fromLatin1(TableName(t.table)).replace(' ', '_');
        grid->addWidget(
            new QLabel(
                QCoreApplication::translate("CDlgInformation", "%1:").arg(TableTitle(t.table)),
                page),
            row, 0);
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
    grid->addWidget(new QLabel(QCoreApplication::translate("CDlgInformation", "Channels:"), page),
                    row, 0);
    grid->addWidget(Value(ChannelCounts(s), "ChannelCounts", page), row++, 1, 1, 2);
    grid->addWidget(new QLabel(QCoreApplication::translate("CDlgInformation", "Flags:"), page), row,
                    0);
    grid->addWidget(Value(FlagCounts(s), "FlagCounts", page), row++, 1, 1, 2);
    grid->addWidget(new QLabel(QCoreApplication::translate("CDlgInformation", "Duplicates:"), page),
                    row, 0);
    grid->addWidget(Value(DuplicateCount(s), "DuplicateCount", page), row++, 1, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QTableWidget* PerTable(const std::vector<ChannelsPer>& rows, const char* what, const char* name) {
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 3);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels({QCoreApplication::translate("CDlgInformation", "ID"),
                                      QCoreApplication::translate("CDlgInformation", what),
                                      QCoreApplication::translate("CDlgInformation", "Channels")});
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
                       new QTableWidgetItem(
                           p.name.empty() ? QCoreApplication::translate("CDlgInformation", "(none)")
                                          : AnsiText(p.name)));
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
        new QTreeWidgetItem(tree, {QCoreApplication::translate(
                                      "CDlgInformation", "The list check finds no problem.")});
    for (const ListFinding& f : findings) {
        auto* top = new QTreeWidgetItem(tree, {Text(f.phrase)});
        for (const Phrase& example : f.examplePhrases)
            new QTreeWidgetItem(top, {Text(example)});
        if (f.count > f.examples.size())
            new QTreeWidgetItem(top,
                                {QCoreApplication::translate("CDlgInformation", "… and %1 more")
                                     .arg(f.count - f.examples.size())});
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
    dialog->setWindowTitle(QCoreApplication::translate("CDlgInformation", "Information"));
    auto* layout = new QVBoxLayout(dialog.get());
    auto* tabs = new QTabWidget(dialog.get());
    tabs->setObjectName("InformationTabs");
    tabs->setAccessibleName(QCoreApplication::translate("CDlgInformation", "Information"));
    tabs->addTab(SummaryPage(m_figures), QCoreApplication::translate("CDlgInformation", "Summary"));
    if (IsSatellite(m_figures.productType))
        tabs->addTab(PerTable(m_figures.perSatellite,
                              QT_TRANSLATE_NOOP("CDlgInformation", "Satellite"), "PerSatellite"),
                     QCoreApplication::translate("CDlgInformation", "Satellites"));
    tabs->addTab(PerTable(m_figures.perBroadcaster,
                          QT_TRANSLATE_NOOP("CDlgInformation", "Provider"), "PerProvider"),
                 QCoreApplication::translate("CDlgInformation", "Providers"));

    tabs->addTab(FindingsPage(m_findings), QCoreApplication::translate("CDlgInformation", "Check"));

    auto* duplicates = new QWidget;
    auto* dupLayout = new QVBoxLayout(duplicates);
    auto* tree = new QTreeWidget(duplicates);
    tree->setObjectName("DuplicateGroups");
    tree->setHeaderHidden(true);
    for (const auto& group : m_groups) {
        if (group.empty())
            continue;
        auto* top = new QTreeWidgetItem(
            tree, {QCoreApplication::translate("CDlgInformation", "%1 channels: %2")
                       .arg(group.size())
                       .arg(group.front().text)});
        for (const Member& m : group)
            new QTreeWidgetItem(top, {m.text});
    }
    dupLayout->addWidget(tree);
    auto* select = new QPushButton(
        QCoreApplication::translate("CDlgInformation", "Select them in the channel lists"),
        duplicates);
    select->setObjectName("SelectDuplicates");
    select->setEnabled(!m_groups.empty());
    dupLayout->addWidget(select, 0, Qt::AlignLeft);
    tabs->addTab(duplicates, QCoreApplication::translate("CDlgInformation", "Duplicates"));
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
