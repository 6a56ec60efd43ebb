// The satellite add / update form: name, orbital position as degrees East or
// West, and the receiver's setting groups under "Advanced", shown as the
// plain numbers the receiver keeps (their meaning is the receiver's).
#include "model/EntryValues.h"
#include "model/RecordChecks.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"
#include "qtkit/vxui/SourceDialogs.h"

#include "contracts/ZorvDB.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>

namespace {

// One member of a setting group: its name, how many bits the image keeps
// (w4 is stored as one byte), and how to read and set it.
struct GroupMember {
    const char* name;
    int bits;
    std::uint32_t (*get)(const SatSettingGroup&);
    void (*set)(SatSettingGroup&, std::uint32_t);
};

#define VELMAR_GROUP_MEMBER(M, BITS, T)                                                            \
    GroupMember {                                                                                  \
#M, BITS,                                                                                  \
            [](const SatSettingGroup&                                                              \
                   g) { return std::uint32_t{g.M}; }, [](SatSettingGroup & g,                      \
                                                         std::uint32_t                             \
                                                             v) { g.M = static_cast<T>(v); }       \
    }

const std::array<GroupMember, 9> kMembers = {
    VELMAR_GROUP_MEMBER(w1, 16, WORD), VELMAR_GROUP_MEMBER(w2, 16, WORD),
    VELMAR_GROUP_MEMBER(w3, 16, WORD), VELMAR_GROUP_MEMBER(b1, 8, BYTE),
    VELMAR_GROUP_MEMBER(b2, 8, BYTE),  VELMAR_GROUP_MEMBER(b3, 8, BYTE),
    VELMAR_GROUP_MEMBER(w4, 8, WORD),  VELMAR_GROUP_MEMBER(b4, 8, BYTE),
    VELMAR_GROUP_MEMBER(b5, 8, BYTE)};

#undef VELMAR_GROUP_MEMBER

// The entry boxes of one setting group, by member; null where the entry
// form does not carry the member.
struct GroupEntries {
    int number = 1;
    std::array<QLineEdit*, kMembers.size()> edits{};
};

FormProblem ReadGroup(const GroupEntries& entries, SatSettingGroup& group) {
    for (std::size_t i = 0; i < kMembers.size(); ++i) {
        QLineEdit* edit = entries.edits[i];
        if (!edit)
            continue;
        Phrase problem;
        const Phrase field =
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Group %1 %2"),
                         {phrase::Number(static_cast<std::uint64_t>(entries.number)),
                          phrase::Data(kMembers[i].name)});
        const auto value =
            NumberEntry(field, edit->text().toStdString(), kMembers[i].bits, problem);
        if (!value)
            return {Text(problem), edit};
        kMembers[i].set(group, *value);
    }
    return {};
}

} // namespace

int CSatelliteDialogBase::ShowForm(QWidget* owner) {
    const Satellite_Info_Tag start = m_form.Current();
    const std::uint32_t key = m_form.Preset() ? m_form.Preset()->Index : 0;
    const bool second = HasSecondGroup();
    CRecordFormDialog dialog(owner, Ui(), ClassName(),
                             m_form.Preset()
                                 ? QCoreApplication::translate("RecordForm", "Update Satellite")
                                 : QCoreApplication::translate("RecordForm", "New Satellite"));

    auto* basics = new QFormLayout;
    dialog.Body().addLayout(basics);
    QLineEdit* name = dialog.AddEntry(*basics, QCoreApplication::translate("RecordForm", "Name"),
                                      "Name", AnsiFieldText(start.Name, sizeof start.Name));
    const DegreeEntry position = DegreeToEntry(start.Degree);
    auto* degreeRow = new QHBoxLayout;
    auto* degrees = new QLineEdit(QString::fromStdString(position.degrees), &dialog);
    degrees->setObjectName("Degree");
    degrees->setAlignment(Qt::AlignRight);
    auto* east = new QRadioButton(QCoreApplication::translate("RecordForm", "East"), &dialog);
    east->setObjectName("East");
    auto* west = new QRadioButton(QCoreApplication::translate("RecordForm", "West"), &dialog);
    west->setObjectName("West");
    auto* side = new QButtonGroup(&dialog);
    side->addButton(east);
    side->addButton(west);
    (position.west ? west : east)->setChecked(true);
    degreeRow->addWidget(degrees);
    degreeRow->addWidget(east);
    degreeRow->addWidget(west);
    basics->addRow(QCoreApplication::translate("RecordForm", "Position (degrees)"), degreeRow);

    auto* advanced = new QGroupBox(QCoreApplication::translate("RecordForm", "Advanced"), &dialog);
    advanced->setObjectName("Advanced");
    auto* grid = new QGridLayout(advanced);
    grid->addWidget(new QLabel(QCoreApplication::translate("RecordForm", "Group 1"), advanced), 0,
                    1);
    if (second)
        grid->addWidget(new QLabel(QCoreApplication::translate("RecordForm", "Group 2"), advanced),
                        0, 2);
    GroupEntries group1{1, {}}, group2{2, {}};
    for (std::size_t i = 0; i < kMembers.size(); ++i) {
        const bool isB5 = i + 1 == kMembers.size();
        if (isB5 && !second)
            break; // the short entry form has no b5
        const int row = static_cast<int>(i) + 1;
        grid->addWidget(new QLabel(kMembers[i].name, advanced), row, 0);
        auto add = [&](GroupEntries& entries, const SatSettingGroup& values, int column) {
            auto* edit = new QLineEdit(QString::number(kMembers[i].get(values)), advanced);
            edit->setObjectName(QString("Group%1.%2").arg(entries.number).arg(kMembers[i].name));
            edit->setAlignment(Qt::AlignRight);
            grid->addWidget(edit, row, column);
            entries.edits[i] = edit;
        };
        add(group1, start.Group1, 1);
        if (second)
            add(group2, start.Group2, 2);
    }
    dialog.Body().addWidget(advanced);

    Satellite_Info_Tag result = start;
    const int answer = dialog.Run([&]() -> FormProblem {
        Satellite_Info_Tag s = start;
        std::string bytes;
        if (QString problem = NameEntryProblem(name->text(), sizeof s.Name - 1, bytes);
            !problem.isEmpty())
            return {problem, name};
        SetAnsiField(s.Name, sizeof s.Name, bytes);
        const auto degree = DegreeFromEntry(degrees->text().toStdString(), west->isChecked());
        if (!degree)
            return {QCoreApplication::translate(
                        "RecordForm",
                        "Position must be from 0.0 to 180.0 degrees, with at most one decimal."),
                    degrees};
        s.Degree = *degree;
        if (auto problem = ReadGroup(group1, s.Group1); !problem.text.isEmpty())
            return problem;
        if (auto problem = ReadGroup(group2, s.Group2); !problem.text.isEmpty())
            return problem;
        if (Phrase problem = SatelliteProblem(TheZorvDB(), s, key); !problem.Empty())
            return {Text(problem), nullptr};
        result = s;
        return {};
    });
    if (answer == IUiSeam::IDOK)
        m_form.Answer(result);
    return answer;
}
