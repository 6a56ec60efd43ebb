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

EditSession::SnapshotPtr EditSession::Current(std::uint8_t table) {
    // The tables change only through the session, so the last state it saw
    // is normally still true; checking costs one pass of compares and keeps
    // a change made behind the session's back from being lost by an undo.
    SnapshotPtr& last = m_current[table];
    if (last) {
        CTableSnapshot now = m_db.Snapshot(table, *last);
        if (!now.SameAs(*last))
            last = std::make_shared<const CTableSnapshot>(std::move(now));
    } else {
        last = std::make_shared<const CTableSnapshot>(m_db.Snapshot(table));
    }
    return last;
}

bool EditSession::Run(std::string_view name, TableMask touched,
                      const std::function<bool()>& apply) {
    if (m_bBusy)
        return false;
    EditEvent event;
    {
        BusyScope busy(m_bBusy);
        Step step;
        step.name = std::string(name);
        const std::uint64_t generation = m_db.KeyGeneration(kTableChannel);
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            if (touched & TableBit(t))
                step.change[t].before = Current(t);
        step.valuesBefore = m_values;
#ifndef NDEBUG
        // An edit that adds to, deletes from or rebuilds a table it did not
        // name escapes the history (a cheap check, for debug builds).
        const auto mark = [this](std::uint8_t t) {
            return std::pair(m_db.KeyGeneration(t), m_db.Size(t));
        };
        std::pair<std::uint64_t, std::uint32_t> untouched[CZorvDB::kTableCount];
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            untouched[t] = mark(t);
#endif

        bool ok = false;
        try {
            ok = apply();
        } catch (...) {
            // Whatever the edit did is put back before the error goes on.
            for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
                if (step.change[t].before)
                    m_db.Restore(*step.change[t].before);
            m_values = step.valuesBefore;
            throw;
        }

#ifndef NDEBUG
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            assert((touched & TableBit(t)) || t == kTableScratch || untouched[t] == mark(t));
#endif
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t) {
            TableChange& c = step.change[t];
            if (!c.before)
                continue;
            CTableSnapshot after = m_db.Snapshot(t, *c.before);
            if (after.SameAs(*c.before)) {
                c = {};
                continue;
            }
            c.after = std::make_shared<const CTableSnapshot>(std::move(after));
            step.tables |= TableBit(t);
        }
        step.valuesAfter = m_values;
        const bool valuesChanged = !(step.valuesAfter == step.valuesBefore);

        if (!ok) {
            for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
                if (step.change[t].after) {
                    m_db.Restore(*step.change[t].before);
                    m_current[t] = step.change[t].before;
                }
            m_values = step.valuesBefore;
            return false;
        }
        if (step.tables == 0 && !valuesChanged)
            return true;

        // Keys renewed: the channel table was rebuilt under keys that now
        // name other rows (the rows themselves differ, or the snapshot would
        // have matched).
        step.keysRenewed = (step.tables & TableBit(kTableChannel)) &&
                           m_db.KeyGeneration(kTableChannel) != generation;
        // A step holds its after states; its before states are the previous
        // step's after states or the oldest state, counted in HistoryBytes.
        step.bytes = sizeof(Step) + step.name.capacity();
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t) {
            const TableChange& c = step.change[t];
            if (!c.after)
                continue;
            step.bytes += c.after->IndexBytes() + c.after->FreshBytes();
            m_current[t] = c.after;
        }

        if (m_savedAt && *m_savedAt > m_nApplied)
            m_savedAt.reset(); // the saved state could only be reached by redo
        m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_nApplied), m_steps.end());
        event = {EditEventKind::Edit, step.name, step.tables, step.keysRenewed};
        m_steps.push_back(std::move(step));
        ++m_nApplied;
        Trim();
        if (event.keysRenewed)
            m_clipboard.Empty();
    }
    Notify(event);
    return true;
}

void EditSession::Restore(const Step& step, bool toBefore) {
    for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t) {
        const TableChange& c = step.change[t];
        if (!c.after)
            continue;
        const SnapshotPtr& target = toBefore ? c.before : c.after;
        m_db.Restore(*target);
        m_current[t] = target;
    }
    m_values = toBefore ? step.valuesBefore : step.valuesAfter;
    if (step.keysRenewed)
        m_clipboard.Empty();
}

bool EditSession::Undo() {
    if (m_bBusy || !CanUndo())
        return false;
    EditEvent event;
    {
        BusyScope busy(m_bBusy);
        const Step& step = m_steps[m_nApplied - 1];
        Restore(step, true);
        --m_nApplied;
        event = {EditEventKind::Undo, step.name, step.tables, step.keysRenewed};
    }
    Notify(event);
    return true;
}

bool EditSession::Redo() {
    if (m_bBusy || !CanRedo())
        return false;
    EditEvent event;
    {
        BusyScope busy(m_bBusy);
        const Step& step = m_steps[m_nApplied];
        Restore(step, false);
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
    for (SnapshotPtr& s : m_current)
        s.reset();
    m_clipboard.Empty();
    Notify({EditEventKind::Fresh, {}, kAllTables, true});
}

std::size_t EditSession::HistoryBytes() const {
    // Each step's after states share every unchanged row with its before
    // states; a before state that is not the previous step's after state
    // (the oldest one of each table, or one changed behind the session's
    // back) is held in full.
    std::size_t total = 0;
    const CTableSnapshot* previous[CZorvDB::kTableCount] = {};
    for (const Step& step : m_steps) {
        total += step.bytes;
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t) {
            const TableChange& c = step.change[t];
            if (!c.after)
                continue;
            if (c.before.get() != previous[t])
                total += c.before->ByteSize();
            previous[t] = c.after.get();
        }
    }
    return total;
}

void EditSession::Trim() {
    while (!m_steps.empty() && (m_steps.size() > m_nMaxSteps || HistoryBytes() > m_nMaxBytes)) {
        m_steps.pop_front();
        if (m_nApplied > 0)
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
