// The one door for edits. Every change the editor or the command-line tool
// makes to the tables runs as one named edit through an EditSession, which
// runs it under the store's change journal (so a step costs what the edit
// changed, not the size of the tables), keeps the image codec's module-wide
// values such as g_nMaxTPID from before and after, and keeps an undo step
// when anything changed. The session also knows whether the tables differ from the last
// load or save, owns the channel clipboard, and tells observers after every
// edit, undo, redo and load so the panes can rebuild.
#pragma once

#include "contracts/TableSnapshot.h"
#include "contracts/ZorvDB.h"
#include "image/ImageState.h"
#include "model/ChannelClipboard.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CDocument;

enum class EditEventKind {
    Edit,  // an edit changed the tables
    Undo,  // an edit was undone
    Redo,  // an undone edit was done again
    Fresh, // tables loaded or received: a new history
    Saved, // the tables were saved: not modified any more
};

struct EditEvent {
    EditEventKind kind = EditEventKind::Edit;
    std::string name;     // the edit's name (Edit, Undo, Redo)
    TableMask tables = 0; // tables whose rows changed (every table for Fresh)
    // Channel keys now name other rows: keys held from before (grid rows,
    // selections) are stale, rebuild from the table.
    bool keysRenewed = false;
};

class EditSession {
public:
    // The history keeps at most this many steps and this many bytes of
    // snapshots, dropping the oldest steps first.
    static constexpr std::size_t kDefaultMaxSteps = 200;
    static constexpr std::size_t kDefaultMaxBytes = std::size_t{64} << 20;

    // Edits `db` and `values` (a document's store and image values); the
    // one-argument form edits `db` with the current document's values.
    EditSession(CZorvDB& db, ImageStateValues& values);
    explicit EditSession(CZorvDB& db);
    explicit EditSession(CDocument& document);
    ~EditSession();
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    CZorvDB& Db() { return m_db; }
    const CZorvDB& Db() const { return m_db; }

    // Runs `apply` as the edit `name` (the text an Undo or Redo command
    // names) that may change the tables in `touched` and the codec's
    // module-wide values. When they changed, the step goes on the history
    // (the steps that could be redone are gone) and observers hear of it.
    // When `apply` answers false the tables and values are put back as they
    // were, nothing is recorded, and false is returned. A Run from inside an
    // edit, undo or redo is refused (false, `apply` not called).
    bool Run(std::string_view name, TableMask touched, const std::function<bool()>& apply);

    bool CanUndo() const { return m_nApplied > 0; }
    bool CanRedo() const { return m_nApplied < m_steps.size(); }
    // Put the tables back as before the last edit / as after the undone one.
    // False when there is nothing to undo or redo.
    bool Undo();
    bool Redo();
    // The names of the edits Undo and Redo would act on; empty when none.
    std::string UndoName() const;
    std::string RedoName() const;
    std::size_t UndoCount() const { return m_nApplied; }
    std::size_t RedoCount() const { return m_steps.size() - m_nApplied; }

    // The tables differ from the last load or save: an edit since, or an
    // undo or redo away from the saved point. Undoing back to the saved
    // point makes them unmodified again.
    bool IsModified() const;
    // The tables were just saved.
    void MarkSaved();
    // The tables were just loaded or received: no history, not modified,
    // clipboard empty. Ignored from inside an edit.
    void StartFresh();
    // The tables just loaded were never saved (edits restored after the
    // editor ended without saving them): modified until the next save,
    // whatever is undone.
    void MarkUnsaved() { m_savedAt.reset(); }

    ChannelClipboard& Clipboard() { return m_clipboard; }
    const ChannelClipboard& Clipboard() const { return m_clipboard; }

    using Observer = std::function<void(const EditEvent&)>;
    // Observers are called after the tables have settled, in the order added;
    // they may run new edits. Returns an id for RemoveObserver.
    int AddObserver(Observer observer);
    void RemoveObserver(int id);

    // Memory the history holds: each step's journal, counted for whichever
    // of its two directions holds more.
    std::size_t HistoryBytes() const { return m_nHistoryBytes; }
    std::size_t MaxSteps() const { return m_nMaxSteps; }
    std::size_t MaxBytes() const { return m_nMaxBytes; }
    // Smaller bounds, for tests; the oldest steps go at once if over them.
    void SetLimits(std::size_t maxSteps, std::size_t maxBytes);

private:
    // The image codec's module-wide values that outlive a load: what an edit
    // may change besides the tables (a new transponder raises g_nMaxTPID).
    using ModuleValues = ImageStateValues;
    struct Step {
        std::string name;
        TableMask tables = 0;
        // Reverting it undoes the step when it is done, redoes it when undone.
        CZorvDB::Journal journal;
        ModuleValues valuesBefore, valuesAfter;
        bool keysRenewed = false;
        std::size_t bytes = 0; // what this step adds to the history's memory
    };

    // The tables whose rows the journal changed, leaving out of it the
    // tables that came back as they were (a scratch table filled and emptied).
    TableMask NetChange(CZorvDB::Journal& journal, std::span<const std::uint32_t> sizes,
                        std::span<const std::uint32_t> highestKeys);
    void Apply(Step& step, bool undo);
    void Trim();
    void Notify(const EditEvent& event);

    CZorvDB& m_db;
    ImageStateValues& m_values;
    std::deque<Step> m_steps;
    std::size_t m_nApplied = 0; // steps done; the rest can be redone
    // m_nApplied at the last load or save; none when that point is gone.
    std::optional<std::size_t> m_savedAt = 0;
    std::size_t m_nMaxSteps = kDefaultMaxSteps;
    std::size_t m_nMaxBytes = kDefaultMaxBytes;
    std::size_t m_nHistoryBytes = 0;
    ChannelClipboard m_clipboard;
    std::vector<std::pair<int, Observer>> m_observers;
    int m_nNextObserver = 1;
    bool m_bBusy = false;
};
