#include "document/EditSession.h"

#include "document/CurrentDocument.h"
#include "document/Document.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <utility>

// ---- Session ---------------------------------------------------------------------------

namespace {

// Clears the busy flag however the edit ends.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
};

} // namespace

EditSession::EditSession(CZorvDB& db, ImageStateValues& values) : m_db(db), m_values(values) {}

EditSession::EditSession(CZorvDB& db) : EditSession(db, CurrentImageValues()) {}

EditSession::EditSession(CDocument& document) : EditSession(document.Store(), document.Values()) {}

EditSession::~EditSession() = default;

TableMask EditSession::NetChange(CZorvDB::Journal& journal, std::span<const std::uint32_t> sizes,
                                 std::span<const std::uint32_t> highestKeys) {
    // Bytes noted for writing that did not change are out of the journal
    // already, so a table with only written rows changed. A reshaped table
    // changed when its size or key counter did, stayed when it went from
    // empty back to empty, and is otherwise compared whole with the state
    // the journal leads back to (a rebuild in the same order, which costs
    // as much as the rebuild did).
    const TableMask reshaped = journal.ReshapedTables();
    TableMask changed = journal.Tables() & ~reshaped;
    TableMask unsure = 0;
    for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t) {
        if (!(reshaped & TableBit(t)))
            continue;
        if (m_db.Size(t) != sizes[t] || m_db.HighestKey(t) != highestKeys[t])
            changed |= TableBit(t);
        else if (sizes[t] != 0)
            unsure |= TableBit(t);
    }
    if (unsure) {
        std::array<CTableSnapshot, CZorvDB::kTableCount> after;
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            if (unsure & TableBit(t))
                after[t] = m_db.Snapshot(t);
        CZorvDB::Journal redo = m_db.Revert(std::move(journal));
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            if ((unsure & TableBit(t)) && !m_db.Snapshot(t, after[t]).SameAs(after[t]))
                changed |= TableBit(t);
        journal = m_db.Revert(std::move(redo));
    }
    journal.Forget(journal.Tables() & ~changed);
    return changed;
}

bool EditSession::Run(std::string_view name, TableMask touched,
                      const std::function<bool()>& apply) {
    if (m_bBusy || m_db.IsJournaling())
        return false;
    EditEvent event;
    {
        BusyScope busy(m_bBusy);
        Step step;
        step.name = std::string(name);
        const std::uint64_t generation = m_db.KeyGeneration(kTableChannel);
        std::array<std::uint32_t, CZorvDB::kTableCount> sizes{}, highestKeys{};
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t) {
            sizes[t] = m_db.Size(t);
            highestKeys[t] = m_db.HighestKey(t);
        }
        step.valuesBefore = m_values;
#ifndef NDEBUG
        // An edit that adds to, deletes from or rebuilds a table it did not
        // name is one the catalogue describes wrongly (a cheap check, for
        // debug builds; the journal records it all the same).
        const auto mark = [this](std::uint8_t t) {
            return std::pair(m_db.KeyGeneration(t), m_db.Size(t));
        };
        std::pair<std::uint64_t, std::uint32_t> untouched[CZorvDB::kTableCount];
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            untouched[t] = mark(t);
#endif

        m_db.BeginJournal();
        bool ok = false;
        try {
            ok = apply();
        } catch (...) {
            // Whatever the edit did is put back before the error goes on.
            m_db.Revert(m_db.EndJournal());
            m_values = step.valuesBefore;
            throw;
        }
        step.journal = m_db.EndJournal();

#ifndef NDEBUG
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            assert((touched & TableBit(t)) || t == kTableScratch || untouched[t] == mark(t));
#else
        (void)touched;
#endif
        if (!ok) {
            m_db.Revert(std::move(step.journal));
            m_values = step.valuesBefore;
            return false;
        }
        step.tables = NetChange(step.journal, sizes, highestKeys);
        step.valuesAfter = m_values;
        const bool valuesChanged = !(step.valuesAfter == step.valuesBefore);
        if (step.tables == 0 && !valuesChanged)
            return true;

        // Keys renewed: the channel table was rebuilt under keys that now
        // name other rows (the rows themselves differ, or it would not count
        // as changed).
        step.keysRenewed = (step.tables & TableBit(kTableChannel)) &&
                           m_db.KeyGeneration(kTableChannel) != generation;
        step.bytes = sizeof(Step) + step.name.capacity() + step.journal.ByteSize();

        if (m_savedAt && *m_savedAt > m_nApplied)
            m_savedAt.reset(); // the saved state could only be reached by redo
        for (std::size_t i = m_nApplied; i < m_steps.size(); ++i)
            m_nHistoryBytes -= m_steps[i].bytes;
        m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_nApplied), m_steps.end());
        event = {EditEventKind::Edit, step.name, step.tables, step.keysRenewed};
        m_nHistoryBytes += step.bytes;
        m_steps.push_back(std::move(step));
        ++m_nApplied;
        Trim();
        if (event.keysRenewed)
            m_clipboard.Empty();
    }
    Notify(event);
    return true;
}

void EditSession::Apply(Step& step, bool undo) {
    step.journal = m_db.Revert(std::move(step.journal));
    m_values = undo ? step.valuesBefore : step.valuesAfter;
    if (step.keysRenewed)
        m_clipboard.Empty();
}

bool EditSession::Undo() {
    if (m_bBusy || !CanUndo() || m_db.IsJournaling())
        return false;
    EditEvent event;
    {
        BusyScope busy(m_bBusy);
        Step& step = m_steps[m_nApplied - 1];
        Apply(step, true);
        --m_nApplied;
        event = {EditEventKind::Undo, step.name, step.tables, step.keysRenewed};
    }
    Notify(event);
    return true;
}

bool EditSession::Redo() {
    if (m_bBusy || !CanRedo() || m_db.IsJournaling())
        return false;
    EditEvent event;
    {
        BusyScope busy(m_bBusy);
        Step& step = m_steps[m_nApplied];
        Apply(step, false);
        ++m_nApplied;
        event = {EditEventKind::Redo, step.name, step.tables, step.keysRenewed};
    }
    Notify(event);
    return true;
}

std::string EditSession::UndoName() const {
    return CanUndo() ? m_steps[m_nApplied - 1].name : std::string();
}

std::string EditSession::RedoName() const {
    return CanRedo() ? m_steps[m_nApplied].name : std::string();
}

bool EditSession::IsModified() const {
    return !m_savedAt || *m_savedAt != m_nApplied;
}

void EditSession::MarkSaved() {
    m_savedAt = m_nApplied;
    Notify({EditEventKind::Saved, {}, 0, false});
}

void EditSession::StartFresh() {
    if (m_bBusy)
        return; // a load is no part of an edit
    m_steps.clear();
    m_nApplied = 0;
    m_savedAt = 0;
    m_nHistoryBytes = 0;
    m_clipboard.Empty();
    Notify({EditEventKind::Fresh, {}, kAllTables, true});
}

void EditSession::Trim() {
    while (!m_steps.empty() && (m_steps.size() > m_nMaxSteps || m_nHistoryBytes > m_nMaxBytes)) {
        if (m_nApplied == 0) {
            // Only steps to redo are left, and each needs the one before it.
            m_steps.clear();
            m_nHistoryBytes = 0;
            if (m_savedAt && *m_savedAt != 0)
                m_savedAt.reset();
            return;
        }
        m_nHistoryBytes -= m_steps.front().bytes;
        m_steps.pop_front();
        --m_nApplied;
        if (m_savedAt) {
            if (*m_savedAt == 0)
                m_savedAt.reset(); // the saved state is no longer reachable
            else
                --*m_savedAt;
        }
    }
}

void EditSession::SetLimits(std::size_t maxSteps, std::size_t maxBytes) {
    m_nMaxSteps = maxSteps;
    m_nMaxBytes = maxBytes;
    Trim();
}

int EditSession::AddObserver(Observer observer) {
    m_observers.emplace_back(m_nNextObserver, std::move(observer));
    return m_nNextObserver++;
}

void EditSession::RemoveObserver(int id) {
    std::erase_if(m_observers, [id](const auto& o) { return o.first == id; });
}

void EditSession::Notify(const EditEvent& event) {
    // A copy, so an observer may add or remove observers.
    const auto observers = m_observers;
    for (const auto& [id, observer] : observers)
        observer(event);
}
