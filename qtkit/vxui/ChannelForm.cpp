#include "qtkit/vxui/ChannelForm.h"

#include "model/DescriptionTexts.h"
#include "model/EntryValues.h"
#include "model/RecordChecks.h"
#include "model/RecordFields.h"
#include "model/RecordTexts.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace {

enum class Group { Channel, Reception, Streams };

constexpr std::uint32_t kMaxPid = 8191;
constexpr int kFavoriteColumns = 4;

QString NumberText(std::uint32_t value, int hexDigits) {
    if (hexDigits == 0)
        return QString::number(value);
    return QString("%1").arg(value, hexDigits, 16, QChar('0')).toUpper();
}

// Decimal, or hexadecimal with or without "0x" for the hex fields.
std::optional<std::uint32_t> ParseNumber(const QString& typed, int hexDigits) {
    QString text = typed.trimmed();
    if (hexDigits > 0) {
        if (text.startsWith("0x", Qt::CaseInsensitive))
            text = text.mid(2);
        if (text.isEmpty() || text.size() > hexDigits)
            return std::nullopt;
        text.prepend("0x");
    }
    return ParseFieldNumber(text.toStdString(), 32);
}

QComboBox* Combo(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    return combo;
}

// Fills `combo` with `choices` and selects `current`; a value that no entry
// has gets one of its own at the top, so that OK without a change keeps it.
void FillChoices(QComboBox& combo, const std::vector<FormChoice>& choices, int current,
                 const QString& missing) {
    combo.clear();
    bool found = false;
    for (const auto& choice : choices)
        found |= choice.value == current;
    if (!found)
        combo.addItem(current == 0 ? QObject::tr("(none)") : missing.arg(current), current);
    for (const auto& choice : choices)
        combo.addItem(choice.text, choice.value);
    combo.setCurrentIndex(combo.findData(current));
}

int ChosenValue(const QComboBox* combo, int otherwise) {
    return combo && combo->currentIndex() >= 0 ? combo->currentData().toInt() : otherwise;
}

// The record's field that a check names comes first in its English (the
// user may read it in another language).
QString FieldOfMessage(const std::string& message) {
    const QString field = QString::fromStdString(message.substr(0, message.find(' ')));
    return field == "Attributes" ? QString("Kind") : field;
}

// A labelled row; the label is named after the widget ("VideoPIDLabel").
void AddRow(QFormLayout& form, const QString& text, QWidget* widget) {
    auto* label = new QLabel(text);
    label->setObjectName(widget->objectName() + "Label");
    label->setBuddy(widget);
    form.addRow(label, widget);
}

WORD KindBits(const Channel_Info_Tag& c) {
    return static_cast<WORD>(c.Attributes & (kAttrTV | kAttrRadio));
}

} // namespace

// A number the form shows in a line edit: its record field, label, group,
// range and form (decimal, or hex with a number of digits).
struct CChannelForm::NumberField {
    const char* name;
    const char* label;
    int group; // a Group
    std::uint32_t max;
    int hexDigits;
    bool setByNew; // New numbers the channel itself: not the user's to set
    std::uint32_t (*get)(const Channel_Info_Tag&);
    void (*set)(Channel_Info_Tag&, std::uint32_t);
};

namespace {
template <auto Member> std::uint32_t Get(const Channel_Info_Tag& c) {
    return static_cast<std::uint32_t>(c.*Member);
}
template <auto Member> void Set(Channel_Info_Tag& c, std::uint32_t v) {
    c.*Member = static_cast<std::remove_reference_t<decltype(c.*Member)>>(v);
}
} // namespace

template <auto Member>
CChannelForm::NumberField CChannelForm::Field(const char* name, const char* label, int group,
                                              std::uint32_t max, int hexDigits, bool setByNew) {
    return {name, label, group, max, hexDigits, setByNew, &Get<Member>, &Set<Member>};
}

const std::vector<CChannelForm::NumberField>& CChannelForm::NumberFields() {
    using C = Channel_Info_Tag;
    constexpr int channel = static_cast<int>(Group::Channel);
    constexpr int reception = static_cast<int>(Group::Reception);
    constexpr int streams = static_cast<int>(Group::Streams);
    static const std::vector<NumberField> fields = {
        Field<&C::ProgramNum>("ProgramNum", QT_TRANSLATE_NOOP("CChannelForm", "Number"), channel,
                              0xFFFF, 0, true),
        Field<&C::LogicalNumber>("LogicalNumber",
                                 QT_TRANSLATE_NOOP("CChannelForm", "Logical number"), channel,
                                 0xFFFF, 0, true),
        Field<&C::ShowNum>("ShowNum", QT_TRANSLATE_NOOP("CChannelForm", "Shown number"), channel,
                           0xFFFF, 0, true),
        Field<&C::ServiceID>("ServiceID", QT_TRANSLATE_NOOP("CChannelForm", "Service ID"),
                             reception, 0xFFFF, 0, false),
        Field<&C::OrgNetID>("OrgNetID", QT_TRANSLATE_NOOP("CChannelForm", "Original network ID"),
                            reception, 0xFFFF, 0, false),
        Field<&C::TSID>("TSID", QT_TRANSLATE_NOOP("CChannelForm", "Transport stream ID"), reception,
                        0xFFFF, 0, false),
        Field<&C::VideoPID>("VideoPID", QT_TRANSLATE_NOOP("CChannelForm", "Video PID"), streams,
                            kMaxPid, 0, false),
        Field<&C::AudioPID>("AudioPID", QT_TRANSLATE_NOOP("CChannelForm", "Audio PID"), streams,
                            kMaxPid, 0, false),
        Field<&C::PCRPID>("PCRPID", QT_TRANSLATE_NOOP("CChannelForm", "PCR PID"), streams, kMaxPid,
                          0, false),
        Field<&C::NumOfAudio>("NumOfAudio", QT_TRANSLATE_NOOP("CChannelForm", "Audio streams"),
                              streams, 0xFF, 0, false),
        Field<&C::NumOfSubTTX>("NumOfSubTTX", QT_TRANSLATE_NOOP("CChannelForm", "Subtitle streams"),
                               streams, 0xFF, 0, false),
        Field<&C::CAS>("CAS", QT_TRANSLATE_NOOP("CChannelForm", "CAS (hex)"), streams, 0xFFFFFFFF,
                       8, false),
        Field<&C::StreamType>("StreamType", QT_TRANSLATE_NOOP("CChannelForm", "Stream type (hex)"),
                              streams, 0xFF, 2, false),
        Field<&C::CodeTable>("CodeTable", QT_TRANSLATE_NOOP("CChannelForm", "Code table"), streams,
                             0xFF, 0, false),
    };
    return fields;
}

CChannelForm::CChannelForm(IUiSeam& ui, ChannelFormInput input, QWidget* owner)
    : QDialog(owner), m_ui(ui), m_in(std::move(input)), m_record(m_in.record) {
    const bool isNew = m_in.channelMode.has_value();
    setWindowTitle(!isNew              ? tr("Update Channel")
                   : *m_in.channelMode ? tr("New TV Channel")
                                       : tr("New Radio Channel"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(BuildChannelGroup(), 0, 0);
    layout->addWidget(BuildReceptionGroup(), 0, 1);
    layout->addWidget(BuildStreamsGroup(), 1, 0, 1, 2);
    if (!m_in.favorites.empty())
        layout->addWidget(BuildFavoritesGroup(), 2, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("Buttons");
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("OK");
    ok->setDefault(true); // Enter anywhere in the form is OK
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &CChannelForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 3, 0, 1, 2);
    m_pName->setFocus();
}

QLineEdit* CChannelForm::AddNumber(QFormLayout* form, const NumberField& field) {
    auto* edit = new QLineEdit(NumberText(field.get(m_in.record), field.hexDigits));
    edit->setObjectName(field.name);
    edit->setMaxLength(field.hexDigits > 0 ? field.hexDigits + 2 : 10);
    if (field.setByNew && m_in.channelMode) {
        edit->setEnabled(false);
        edit->setToolTip(tr("A new channel is numbered after the last channel of its list."));
    }
    AddRow(*form, tr(field.label), edit);
    return edit;
}

QWidget* CChannelForm::BuildChannelGroup() {
    auto* box = new QGroupBox(tr("Channel"));
    box->setObjectName("ChannelGroup");
    auto* form = new QFormLayout(box);

    const QString name = AnsiFieldText(m_in.record.Name, sizeof m_in.record.Name);
    m_pName = new QLineEdit;
    m_pName->setObjectName("Name");
    // Never shorter than the name given: a longer name is refused at OK, not cut.
    const int capacity = ChannelNameCapacity(m_in.product, m_in.nameLength);
    m_pName->setMaxLength(std::max<int>(capacity, static_cast<int>(name.size())));
    m_pName->setText(name);
    m_pName->setToolTip(tr("At most %1 characters").arg(capacity));
    AddRow(*form, tr("Name"), m_pName);

    m_pKind = Combo("Kind", box);
    m_pKind->addItem(tr("TV"), kAttrTV);
    m_pKind->addItem(tr("Radio"), kAttrRadio);
    WORD kind = KindBits(m_in.record);
    if (m_in.channelMode) {
        kind = *m_in.channelMode ? kAttrTV : kAttrRadio;
        m_pKind->setEnabled(false);
    } else if (kind != kAttrTV && kind != kAttrRadio) {
        m_pKind->addItem(kind == 0 ? tr("Neither TV nor radio") : tr("Both TV and radio"), kind);
    }
    m_pKind->setCurrentIndex(m_pKind->findData(kind));
    AddRow(*form, tr("Kind"), m_pKind);

    for (const auto& field : NumberFields())
        if (field.group == static_cast<int>(Group::Channel))
            m_numbers.push_back(AddNumber(form, field));

    m_pGenre = Combo("Genre", box);
    for (int code = 0; code <= kAttrGenreMask; ++code)
        m_pGenre->addItem(Text(GenreText(code)), code);
    m_pGenre->setCurrentIndex(m_in.record.Attributes & kAttrGenreMask);
    if (m_in.channelMode) {
        m_pGenre->setEnabled(false);
        m_pGenre->setToolTip(tr("A new channel takes the genre of the genre list it is made in."));
    }
    AddRow(*form, tr("Genre"), m_pGenre);

    m_pTuner = Combo("Tuner", box);
    const std::vector<FormChoice> tuners = {{Text(TunerText(0)), 0}, {Text(TunerText(1)), 1}};
    FillChoices(*m_pTuner, tuners, m_in.record.Tuner, tr("Tuner byte %1"));
    AddRow(*form, tr("Tuner"), m_pTuner);

    auto* flags = new QHBoxLayout;
    auto flag = [&](QCheckBox*& box_, const char* objectName, const QString& text, WORD bit) {
        box_ = new QCheckBox(text);
        box_->setObjectName(objectName);
        box_->setChecked(m_in.record.Attributes & bit);
        flags->addWidget(box_);
    };
    flag(m_pLocked, "Locked", tr("Locked"), kAttrLocked);
    flag(m_pScrambled, "Scrambled", tr("Scrambled"), kAttrScrambled);
    flag(m_pSkipped, "Skipped", tr("Skipped"), kAttrSkipped);
    form->addRow(flags);
    return box;
}

QWidget* CChannelForm::BuildReceptionGroup() {
    auto* box = new QGroupBox(tr("Reception"));
    box->setObjectName("ReceptionGroup");
    auto* form = new QFormLayout(box);
    m_pTransponder = Combo("TPID", box);
    if (m_in.mux) {
        FillChoices(*m_pTransponder, m_in.muxes, m_in.record.TPID, tr("Multiplex %1"));
        AddRow(*form, tr("Multiplex"), m_pTransponder);
    } else {
        m_pSatellite = Combo("SatID", box);
        FillChoices(*m_pSatellite, m_in.satellites, m_in.record.SatID, tr("Satellite ID %1"));
        AddRow(*form, tr("Satellite"), m_pSatellite);
        FillTransponders(m_in.record.SatID);
        AddRow(*form, tr("Transponder"), m_pTransponder);
        connect(m_pSatellite, &QComboBox::currentIndexChanged, this,
                [this] { FillTransponders(ChosenValue(m_pSatellite, 0)); });
    }
    m_pBroadcast = Combo("BroadcastID", box);
    FillChoices(*m_pBroadcast, m_in.broadcasts, m_in.record.BroadcastID, tr("Broadcaster ID %1"));
    AddRow(*form, tr("Broadcaster"), m_pBroadcast);
    for (const auto& field : NumberFields())
        if (field.group == static_cast<int>(Group::Reception))
            m_numbers.push_back(AddNumber(form, field));
    return box;
}

void CChannelForm::FillTransponders(int satelliteId) {
    // The record's own satellite comes with the record's transponder; another
    // keeps the chosen TPID when it has it too, else offers its first.
    const int chosen = ChosenValue(m_pTransponder, m_in.record.TPID);
    std::vector<FormChoice> choices;
    for (const auto& t : m_in.transponders)
        if (t.SatID == satelliteId)
            choices.push_back({QString::fromStdString(TransponderChoiceText(t)), t.TPID});
    auto has = [&](int tpid) {
        return std::any_of(choices.begin(), choices.end(),
                           [tpid](const FormChoice& c) { return c.value == tpid; });
    };
    int select = chosen;
    if (satelliteId == m_in.record.SatID)
        select = m_in.record.TPID;
    else if (!has(chosen))
        select = choices.empty() ? 0 : choices.front().value;
    const QSignalBlocker quiet(m_pTransponder);
    FillChoices(*m_pTransponder, choices, select, tr("Transponder %1"));
}

QWidget* CChannelForm::BuildStreamsGroup() {
    auto* box = new QGroupBox(tr("Streams"));
    box->setObjectName("StreamsGroup");
    auto* row = new QHBoxLayout(box);
    // Two columns of numbers side by side.
    QFormLayout* columns[2] = {new QFormLayout, new QFormLayout};
    int n = 0;
    for (const auto& field : NumberFields())
        if (field.group == static_cast<int>(Group::Streams))
            m_numbers.push_back(AddNumber(columns[n++ < 5 ? 0 : 1], field));
    row->addLayout(columns[0]);
    row->addLayout(columns[1]);
    return box;
}

QWidget* CChannelForm::BuildFavoritesGroup() {
    auto* box = new QGroupBox(tr("Favourite lists"));
    box->setObjectName("FavoritesGroup");
    auto* grid = new QGridLayout(box);
    int at = 0;
    for (const auto& choice : m_in.favorites) {
        auto* check =
            new QCheckBox(QString("%1  %2")
                              .arg(choice.number)
                              .arg(AnsiFieldText(choice.name.data(), choice.name.size())));
        check->setObjectName(QString("Favorite%1").arg(choice.number));
        check->setChecked(m_in.record.Favorite & (DWORD{1} << (choice.number - 1)));
        grid->addWidget(check, at / kFavoriteColumns, at % kFavoriteColumns);
        m_favorites.push_back(check);
        ++at;
    }
    return box;
}

bool CChannelForm::ReadRecord(Channel_Info_Tag& c, QString& problem, QString& widget) const {
    c = m_in.record;
    std::string name;
    const auto capacity =
        static_cast<std::size_t>(ChannelNameCapacity(m_in.product, m_in.nameLength));
    if (const QString bad = NameEntryProblem(m_pName->text(), capacity, name); !bad.isEmpty()) {
        problem = bad;
        widget = "Name";
        return false;
    }
    SetAnsiField(c.Name, sizeof c.Name, name);

    const auto& fields = NumberFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const NumberField& f = fields[i];
        if (!m_numbers[i]->isEnabled())
            continue;
        const auto value = ParseNumber(m_numbers[i]->text(), f.hexDigits);
        if (!value || *value > f.max) {
            problem = f.hexDigits > 0
                          ? tr("%1 must be a hexadecimal number of at most %2 digits.")
                                .arg(tr(f.label).remove(" (hex)"))
                                .arg(f.hexDigits)
                          : Text(NumberRangePhrase(phrase::Data(tr(f.label).toStdString()), f.max));
            widget = f.name;
            return false;
        }
        f.set(c, *value);
    }

    WORD flags = 0;
    for (auto [box, bit] :
         {std::pair{m_pLocked, kAttrLocked}, std::pair{m_pScrambled, kAttrScrambled},
          std::pair{m_pSkipped, kAttrSkipped}})
        if (box->isChecked())
            flags = static_cast<WORD>(flags | bit);
    const auto kind = static_cast<WORD>(ChosenValue(m_pKind, KindBits(c)));
    const auto genre = static_cast<WORD>(ChosenValue(m_pGenre, 0) & kAttrGenreMask);
    const WORD mine =
        kAttrGenreMask | kAttrLocked | kAttrScrambled | kAttrSkipped | kAttrTV | kAttrRadio;
    c.Attributes = static_cast<WORD>((c.Attributes & ~mine) | genre | flags | kind);

    c.Tuner = static_cast<BYTE>(ChosenValue(m_pTuner, c.Tuner));
    if (m_pSatellite)
        c.SatID = static_cast<BYTE>(ChosenValue(m_pSatellite, c.SatID));
    c.TPID = static_cast<BYTE>(ChosenValue(m_pTransponder, c.TPID));
    c.BroadcastID = static_cast<WORD>(ChosenValue(m_pBroadcast, c.BroadcastID));

    for (std::size_t i = 0; i < m_in.favorites.size(); ++i) {
        const FavoriteChoice& list = m_in.favorites[i];
        const DWORD bit = DWORD{1} << (list.number - 1);
        const bool was = (m_in.record.Favorite & bit) != 0, is = m_favorites[i]->isChecked();
        WORD& position = c.F[list.number - 1];
        if (is && !was) {
            c.Favorite |= bit;
            if (list.joinPosition != 0)
                position = list.joinPosition;
        } else if (!is && was) {
            c.Favorite &= ~bit;
            position = 0;
        }
    }

    if (const Phrase check = ChannelProblem(c, m_in.product, m_in.nameLength); !check.Empty()) {
        problem = Text(check);
        widget = FieldOfMessage(English(check));
        return false;
    }
    return true;
}

void CChannelForm::Refuse(const QString& problem, const QString& widget) {
    ShowStop(m_ui, this, problem);
    if (auto* w = findChild<QWidget*>(widget)) {
        w->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->selectAll();
    }
}

void CChannelForm::accept() {
    Channel_Info_Tag c{};
    QString problem, widget;
    if (!ReadRecord(c, problem, widget))
        return Refuse(problem, widget);
    m_record = c;
    QDialog::accept();
}
