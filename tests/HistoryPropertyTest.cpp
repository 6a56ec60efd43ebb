// The edit history against a model: long random runs of the catalogue's edits
// (channel and source commands, drops and moves, deletes, imports, apply
// order, merge), given as edit script lines, which run the commands the
// editor runs behind the same menu and dialog checks, interleaved with undo,
// redo and saves, on the example images.
// The model is the list of states the history should lead through. After
// every step the tables must be the model's state (saved image bytes, every
// row's bytes, keys, order and key counters), the unsaved flag must follow
// the saved point, no list-check problem the starting list did not have may
// appear, and the history must stay within its bounds. Every few steps the
// whole history is undone (the oldest kept state, byte for byte) and redone
// (the final state, byte for byte). Every edit the receiver offers must have
// run in the runs of a test.
//
// VELMAR_HISTORY_SEED=N runs seed N alone, VELMAR_HISTORY_STEPS=N sets the
// steps of each run.
#include "cli/EditScript.h"
#include "contracts/Policy.h"
#include "contracts/ReceiverProfiles.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/Document.h"
#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "document/ListCheck.h"
#include "document/ListImportEdits.h"
#include "document/SessionCommands.h"
#include "document/WorkbookImport.h"
#include "image/FlashGeometry.h"
#include "lists/ChannelCsv.h"
#include "lists/SatellitesXml.h"
#include "model/ChannelRecords.h"
#include "model/SourceGridRows.h"
#include "tests/image/ImageBuilder.h"
#include "xls/ChannelWorkbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace velmar::test;

namespace {

using Keys = std::vector<std::uint32_t>;

// Everything an undo must give back: the image a save writes, and the store
// itself (rows a save leaves out, keys, order, key counters).
struct TableState {
    std::vector<BYTE> image;
    std::vector<std::byte> store;
    bool operator==(const TableState&) const = default;
};

TableState Capture() {
    TableState s;
    if (!EncodeImage(CDocument::Current(), true, s.image))
        s.image.clear(); // over capacity: the store still tells
    const CZorvDB& db = TheZorvDB();
    auto put = [&s](const void* p, std::size_t n) {
        const auto* b = static_cast<const std::byte*>(p);
        s.store.insert(s.store.end(), b, b + n);
    };
    for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t) {
        const std::uint32_t head[] = {t, db.Size(t), db.HighestKey(t)};
        put(head, sizeof head);
        for (const std::uint32_t key : db.Keys(t)) {
            const auto size = static_cast<std::uint32_t>(db.RowBytes(t, key));
            put(&key, sizeof key);
            put(&size, sizeof size);
            put(db.GetRow(t, key), size);
        }
    }
    put(&g_nMaxTPID, sizeof g_nMaxTPID);
    return s;
}

std::uint64_t Hash(const TableState& s) {
    const auto hash = [](const auto& bytes) {
        return std::hash<std::string_view>{}(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    };
    return hash(s.image) * 1099511628211ull ^ hash(s.store);
}

std::set<ListProblem> Problems() {
    std::set<ListProblem> kinds;
    for (const ListFinding& f :
         CheckList(TheZorvDB(), GetProductType(), FlashGeometry::FromPolicy()))
        kinds.insert(f.problem);
    return kinds;
}

// The list-check problems an edit may leave by design, the user having asked
// for it: a deleted broadcaster's channels keep its ID, a channel dropped on
// a satellite keeps its TPID, and so do the channels of a transponder
// dropped on another satellite, imported rows that name sources the list does
// not have are taken and counted.
std::set<ListProblem> MayLeave(std::string_view editName) {
    const auto is = [&](EditId id) { return Catalogue(id).name == editName; };
    if (is(EditId::DeleteBroadcaster))
        return {ListProblem::MissingProvider};
    if (is(EditId::SetSatellite) || is(EditId::MoveTransponders))
        return {ListProblem::MissingTransponder};
    if (is(EditId::ImportWorkbook) || is(EditId::ImportCsv))
        return {ListProblem::MissingSatellite, ListProblem::MissingTransponder,
                ListProblem::MissingMultiplex, ListProblem::MissingProvider};
    return {};
}

// VELMAR_HISTORY_SEED and VELMAR_HISTORY_STEPS, when set, stand in for the
// fixed seeds and steps.
std::optional<std::uint64_t> EnvNumber(const char* name) {
    const char* text = std::getenv(name);
    return text && *text ? std::optional(std::strtoull(text, nullptr, 10)) : std::nullopt;
}

struct RunBounds {
    bool cable = false;
    std::size_t maxSteps = EditSession::kDefaultMaxSteps;
    std::size_t maxBytes = EditSession::kDefaultMaxBytes;
};

std::string N(std::uint64_t n) {
    return std::to_string(n);
}

class HistoryProperty : public CodecTest {
protected:
    void TearDown() override {
        editor.reset();
        CodecTest::TearDown();
        ConfigureStartupPolicy();
    }

    void Open(bool cable) {
        editor.reset();
        velmar::policy_profile::Reset();
        if (cable)
            ConfigurePolicy(*FindReceiverProfile("cable"));
        else
            ConfigureStartupPolicy();
        const std::string image = std::string(VELMAR_SOURCE_DIR) + "/examples/demo-" +
                                  (cable ? "cable" : "satellite") + ".bin";
        ASSERT_EQ(OpenAsCurrent(image, ImageForm::Convert), 1);
        m_image = image;
        m_product = Product::Current();
        editor = std::make_unique<CEditScript>(m_out);
        session = &editor->Session();
        session->AddObserver([this](const EditEvent& e) {
            m_events.push_back(e);
            if (e.kind == EditEventKind::Edit)
                m_editLine = m_line;
        });
        // Files the imports read: the list as opened, in each form.
        m_workbook = Path("start.xls").string();
        ASSERT_TRUE(ExportChannelWorkbook(db, m_workbook));
        m_csv = Path("start.csv").string();
        std::string error;
        ASSERT_TRUE(ExportChannelCsv(db, m_csv, true, error)) << error;
        auto sats = ReadSatellitesXml(
            std::string(VELMAR_SOURCE_DIR) + "/tests/lists/fixtures/thor-and-eutelsat7.xml", error);
        ASSERT_TRUE(sats) << error;
        m_satellitesXml = *sats;
    }

    void RunSeeds(std::vector<std::uint64_t> seeds, std::size_t steps, const RunBounds& run) {
        const auto seed = EnvNumber("VELMAR_HISTORY_SEED");
        if (seed)
            seeds = {*seed};
        steps = static_cast<std::size_t>(EnvNumber("VELMAR_HISTORY_STEPS").value_or(steps));
        for (const std::uint64_t each : seeds)
            if (!HasFailure())
                Run(each, steps, run);
        if (seed || HasFailure())
            return;
        // Edits a receiver of the other kind has: multiplexes, or satellites and
        // transponders.
        const std::set<EditId> cableOnly = {EditId::SetMultiplex, EditId::NewCableMux,
                                            EditId::UpdateCableMux, EditId::DeleteCableMux};
        const std::set<EditId> satelliteOnly = {
            EditId::SetSatellite,      EditId::SetTransponder,    EditId::NewSatellite,
            EditId::UpdateSatellite,   EditId::DeleteSatellite,   EditId::NewTransponder,
            EditId::UpdateTransponder, EditId::DeleteTransponder, EditId::MoveTransponders,
            EditId::ImportSatellites};
        for (const EditEntry& e : EditCatalogue()) {
            if (!(run.cable ? satelliteOnly : cableOnly).contains(e.id)) {
                EXPECT_TRUE(m_heard.contains(std::string(e.name))) << e.name << " never ran";
            }
        }
    }

    // One script line. A refusal (a menu item not offered, a dialog's check
    // failing, a row the grid does not show) is the editor's answer to a
    // user's mistake, part of the run.
    void Line(const std::string& line) {
        m_line = line;
        editor->RunLine(line);
    }

    // A random one of `from`; none (0) of none.
    template <class T> T Pick(std::mt19937_64& rng, const std::vector<T>& from) {
        return from.empty() ? T{} : from[Below(rng, from.size())];
    }
    static std::size_t Below(std::mt19937_64& rng, std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    }

    void Run(std::uint64_t seed, std::size_t steps, const RunBounds& run) {
        SCOPED_TRACE("seed " + std::to_string(seed) + (run.cable ? " (cable)" : " (satellite)") +
                     "; VELMAR_HISTORY_SEED=" + std::to_string(seed) + " reruns it");
        m_cable = run.cable;
        Open(run.cable);
        if (HasFatalFailure())
            return;
        session->SetLimits(run.maxSteps, run.maxBytes);
        m_events.clear();
        m = {};
        m.start = Capture();
        m.states = {Hash(m.start)};
        m.startProblems = Problems();
        std::mt19937_64 rng(seed);
        for (std::size_t i = 1; i <= steps && !HasFailure(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            Step(rng);
            Check();
            if (i % 50 == 0 || i == steps)
                UndoAllRedoAll();
        }
        if (!HasFailure()) {
            EXPECT_GT(m.edits, steps / 3) << "most steps should be edits that changed something";
            EXPECT_GT(m.deepest, 10u)
                << "the history should grow deep enough to undo a run of edits";
            if (run.maxSteps < steps / 4) {
                EXPECT_FALSE(m.startKept) << "the bound should have dropped the oldest steps";
            }
        }
    }

    // One random step: an edit, an undo or redo, or a save.
    void Step(std::mt19937_64& rng) {
        const int roll = static_cast<int>(Below(rng, 100));
        if (roll < 22) {
            const bool undo = roll < 14;
            for (std::size_t n = 1 + Below(rng, 3);
                 n-- > 0 && (undo ? session->CanUndo() : session->CanRedo());)
                ASSERT_EQ(editor->RunLine(undo ? "undo" : "redo"), "");
        } else if (roll < 25) {
            std::vector<BYTE> bytes;
            EncodeImage(CDocument::Current(), false, bytes);
            session->MarkSaved();
        } else if (roll < 65) {
            ChannelCommand(rng);
        } else if (roll < 92) {
            SourceCommand(rng);
        } else {
            WholeTableEdit(rng);
        }
    }

    void ChannelCommand(std::mt19937_64& rng) {
        const CZorvDB& store = session->Db();
        const std::uint32_t type = m_product.type;
        const Keys sats = SatelliteGridKeys(store, type), muxes = CableMuxGridKeys(store, type);
        // A list, its filter (all, a satellite's, a favourite list, a genre) and
        // a run of rows or a few scattered ones, the focus on the first.
        Line(Below(rng, 3) ? "list tv" : "list radio");
        if (const std::size_t how = Below(rng, 6); how == 0 && !sats.empty())
            Line("filter satellite " + N(Pick(rng, sats)));
        else if (how == 1 || how == 2)
            Line(how == 1 ? "filter favorite " + N(1 + Below(rng, 4))
                          : "filter genre " + N(Below(rng, 4)));
        else
            Line("filter all");
        const std::size_t rows = editor->CurrentList().RowCount();
        if (rows > 0) {
            const std::size_t first = Below(rng, rows);
            std::string select = "select rows " + N(first + 1);
            if (Below(rng, 2)) {
                for (std::size_t n = Below(rng, std::min<std::size_t>(8, rows - first)); n > 0; --n)
                    select += "," + N(first + 1 + n);
            } else {
                for (std::size_t n = 1 + Below(rng, 4); n-- > 0;)
                    select += "," + N(1 + Below(rng, rows));
            }
            Line(select);
        }

        // The highest-keyed channel goes in its own list: a new one then takes
        // the key after it, and undo must bring the old key counter back.
        const auto highest = [&] {
            const std::uint32_t last = store.LastKey(kTableChannel);
            const auto* c = store.Get<Channel_Info_Tag>(kTableChannel, last);
            Line(!c || IsTV(*c) ? "list tv" : "list radio");
            Line("filter all");
            const auto& keys = editor->CurrentList().Keys();
            return "select rows " +
                   N(1 + (std::find(keys.begin(), keys.end(), last) - keys.begin()));
        };
        // The dialog's multiplex list: a cable channel is placed on one.
        const auto onMux = [&] {
            return m_cable && !muxes.empty()
                       ? " TPID=" +
                             N(store.Get<CableMux_Info_Tag>(kTableCableMux, Pick(rng, muxes))->TPID)
                       : std::string();
        };
        // Lock or skip on or off; half the time off, on a channel that has the flag.
        const auto flag = [&](const std::string& what, WORD bit) {
            const auto& keys = editor->CurrentList().Keys();
            std::vector<std::size_t> flagged;
            for (std::size_t r = 0; r < keys.size(); ++r)
                if (store.Get<Channel_Info_Tag>(kTableChannel, keys[r])->Attributes & bit)
                    flagged.push_back(r + 1);
            if (!flagged.empty() && Below(rng, 2)) {
                Line("select rows " + N(Pick(rng, flagged)));
                return what + " off";
            }
            return what + (Below(rng, 2) ? " on" : " off");
        };
        const std::vector<std::function<std::string()>> commands = {
            [&] {
                return "new Name=\"New " + N(rng() % 1000) + "\" ServiceID=" + N(rng() % 65536) +
                       onMux();
            },
            [&] { return "update Name=\"Renamed " + N(rng() % 1000) + "\""; },
            // A number another channel may hold: the channel moves there.
            [&] { return "update ProgramNum=" + N(1 + Below(rng, rows + 2)); },
            [&] { return "update VideoPID=" + N(rng() % 0x1FFF); },
            [&] { return std::string("delete"); },
            [&] {
                Line(highest());
                return std::string("delete");
            },
            [&] { return std::string("copy"); },
            [&] {
                if (Below(rng, 2))
                    Line("copy");
                return std::string("paste");
            },
            [&] { return std::string("move-here"); },
            [&] { return flag("lock", kAttrLocked); },
            [&] { return flag("skip", kAttrSkipped); },
            [&] {
                return m_cable ? "drop mux " + N(Pick(rng, muxes))
                               : "drop satellite " + N(Pick(rng, sats));
            },
            [&] { return "drop transponder " + N(Pick(rng, TransponderGridKeys(store, type, 0))); },
            [&] { return "drop broadcast " + N(Pick(rng, BroadcastGridKeys(store))); },
            [&] { return "drop favorite " + N(1 + Below(rng, 4)); },
            [&] { return "drop genre " + N(Below(rng, 16)); },
            // On a row of their own list: a move, or in a favourite list its new order.
            [&] { return "drop row " + N(1 + Below(rng, rows)); },
            [&] { return "drop row " + N(1 + Below(rng, rows)); },
        };
        Line(commands[Below(rng, commands.size())]());
    }

    void SourceCommand(std::mt19937_64& rng) {
        const CZorvDB& store = session->Db();
        const std::uint32_t type = m_product.type;
        const Keys sats = SatelliteGridKeys(store, type);
        const Keys tps = TransponderGridKeys(store, type, 0);
        const Keys muxes = CableMuxGridKeys(store, type);
        const Keys providers = BroadcastGridKeys(store);
        // A grid row; deletes take the highest-keyed row half the time: the
        // next new row is then given the key after it.
        auto row = [&](const Keys& shown) { return N(1 + Below(rng, shown.size())); };
        auto victim = [&](const Keys& shown) {
            return Below(rng, 2)
                       ? N(1 + (std::max_element(shown.begin(), shown.end()) - shown.begin()))
                       : row(shown);
        };
        const auto name = [&] { return N(rng() % 1000); };
        const auto tuned = [&] { return N(10700 + Below(rng, 2050)); };
        const auto cableKHz = [&] { return N(114000 + 8000 * Below(rng, 90)); };
        Line("transponders all");
        // The grids the receiver shows: satellites and transponders, or cable
        // multiplexes; and those every receiver has.
        using Lines = std::vector<std::function<std::string()>>;
        const Lines satellite = {
            [&] {
                return "satellite new Name=\"Sat " + name() + "\" Degree=" + N(Below(rng, 3600));
            },
            [&] { return "satellite update " + row(sats) + " Name=\"Upd " + name() + "\""; },
            [&] { return "satellite delete " + victim(sats); },
            [&] {
                Line("transponders satellite " + N(Pick(rng, sats)));
                return "transponder new Frequency=" + tuned() + " SymbolRate=27500";
            },
            [&] { return "transponder update " + row(tps) + " Frequency=" + tuned(); },
            [&] { return "transponder delete " + victim(tps); },
            [&] { return "drop-transponder " + row(tps) + " satellite " + N(Pick(rng, sats)); },
        };
        const Lines cable = {
            [&] { return "cablemux new Frequency=" + cableKHz() + " SymbolRate=6900"; },
            [&] { return "cablemux update " + row(muxes) + " Frequency=" + cableKHz(); },
            [&] { return "cablemux delete " + victim(muxes); },
        };
        const Lines every = {
            [&] { return "broadcast new Net " + name(); },
            [&] { return "broadcast update " + row(providers) + " Ren " + name(); },
            [&] { return "broadcast delete " + victim(providers); },
            [&] { return "favorite rename " + N(1 + Below(rng, 8)) + " Fav " + name(); },
        };
        const Lines& from = Below(rng, 14) < 4 ? every : m_cable ? cable : satellite;
        Line(from[Below(rng, from.size())]());
    }

    void WholeTableEdit(std::mt19937_64& rng) {
        m_line.clear();
        switch (Below(rng, 6)) {
        case 0: {
            // The editor's workbook import: read and filtered first, then one edit.
            std::string why;
            auto channels = ReadChannelWorkbook(m_workbook, why);
            ASSERT_TRUE(channels) << why;
            const ImportReport filtered =
                FilterImportedChannels(session->Db(), GetProductType(), *channels);
            if (!filtered.Refused())
                RunEdit(*session, EditId::ImportWorkbook, [&] {
                    ReplaceChannelTable(session->Db(), *channels);
                    return true;
                });
            break;
        }
        case 1:
            RunImportChannelCsv(*session, m_csv);
            break;
        case 2: {
            SatelliteImportOptions options;
            options.prune = Below(rng, 2) != 0;
            RunImportSatellites(*session, m_satellitesXml, options);
            break;
        }
        case 3:
            Line("apply-order " + (Below(rng, 2) ? m_image : m_workbook));
            return;
        default:
            Line("merge " + m_image);
            return;
        }
        // The imports have no script line: the lists are shown afresh after them.
        Line("filter all");
    }

    // The model follows what the session says happened; then every check.
    void Check() {
        const std::uint64_t before = m.states[m.applied];
        const TableState now = Capture();
        const std::uint64_t hash = Hash(now);
        for (const EditEvent& e : m_events) {
            switch (e.kind) {
            case EditEventKind::Edit:
                ++m.edits;
                m_heard.insert(e.name);
                ASSERT_NO_FATAL_FAILURE(CheckAgainstCatalogue(e));
                m.allowedProblems.merge(MayLeave(e.name));
                m.states.resize(m.applied + 1);
                if (m.savedAt && *m.savedAt > m.applied)
                    m.savedAt.reset(); // only a redo led there, and it is gone
                // A step runs one edit at most, and nothing after it.
                ASSERT_EQ(&e, &m_events.back());
                m.states.push_back(hash);
                ++m.applied;
                break;
            case EditEventKind::Undo:
                ASSERT_GT(m.applied, 0u);
                --m.applied;
                break;
            case EditEventKind::Redo:
                ++m.applied;
                break;
            case EditEventKind::Saved:
                m.savedAt = m.applied;
                break;
            case EditEventKind::Fresh:
                FAIL() << "nothing here starts a fresh history";
            }
        }
        if (!m_events.empty() && m_events.back().kind == EditEventKind::Undo) {
            EXPECT_EQ(RedoCommandText(*session), "Redo " + m_events.back().name);
        }
        const bool moved = std::any_of(m_events.begin(), m_events.end(), [](const EditEvent& e) {
            return e.kind != EditEventKind::Saved;
        });
        m_events.clear();
        // The history keeps fewer steps than the model: the oldest went.
        while (m.states.size() > session->UndoCount() + session->RedoCount() + 1 && m.applied > 0) {
            m.states.pop_front();
            --m.applied;
            m.startKept = false;
            if (m.savedAt)
                m.savedAt = *m.savedAt == 0 ? std::nullopt : std::optional(*m.savedAt - 1);
        }
        ASSERT_EQ(session->UndoCount(), m.applied);
        m.deepest = std::max(m.deepest, m.states.size() - 1);
        ASSERT_EQ(session->RedoCount(), m.states.size() - 1 - m.applied);

        if (!moved) {
            ASSERT_EQ(hash, before) << "a step that recorded no edit changed the tables";
        }
        ASSERT_EQ(hash, m.states[m.applied]) << "the tables are not the history's state here";
        if (m.applied == 0 && m.startKept) {
            ASSERT_TRUE(now == m.start) << "not the opened state, byte for byte";
        }
        ASSERT_EQ(session->IsModified(), !m.savedAt || *m.savedAt != m.applied);

        for (const ListProblem p : Problems())
            ASSERT_TRUE(m.startProblems.contains(p) || m.allowedProblems.contains(p))
                << "the edits made a list problem the opened list did not have: "
                << ListProblemName(p);

        ASSERT_LE(session->HistoryBytes(), session->MaxBytes());
        ASSERT_LE(session->UndoCount() + session->RedoCount(), session->MaxSteps());
        // No steps, no memory; a step holds at least its own entry.
        ASSERT_EQ(session->HistoryBytes() == 0, session->UndoCount() + session->RedoCount() == 0);
    }

    // An edit is its catalogue entry: run by a line that starts with the entry's
    // script words (an import, which has none, by no line), keeping the channel
    // keys where the entry says so, named by the Undo command.
    void CheckAgainstCatalogue(const EditEvent& e) {
        const auto entries = EditCatalogue();
        const auto entry = std::ranges::find(entries, std::string_view(e.name), &EditEntry::name);
        ASSERT_NE(entry, entries.end()) << e.name << " is no catalogue entry";
        EXPECT_TRUE(m_editLine.starts_with(entry->script) &&
                    entry->script.empty() == m_editLine.empty())
            << "\"" << m_editLine << "\" ran " << e.name;
        // (One that renews them may find the table in place, its keys as they were.)
        if (entry->keys == KeyRenewal::Never) {
            EXPECT_FALSE(e.keysRenewed) << e.name << " should keep the channel keys";
        }
        EXPECT_EQ(UndoCommandText(*session), "Undo " + e.name);
    }

    void UndoAllRedoAll() {
        const TableState last = Capture();
        const std::size_t done = session->UndoCount();
        const std::size_t toRedo = session->RedoCount();
        for (std::size_t i = 0; i < done; ++i)
            ASSERT_TRUE(session->Undo());
        m_events.clear();
        const TableState oldest = Capture();
        if (m.startKept) {
            ASSERT_TRUE(oldest == m.start) << "undo of everything: not the opened state";
        } else {
            ASSERT_EQ(Hash(oldest), m.states.front()) << "undo of everything: not the oldest state";
        }
        ASSERT_EQ(session->IsModified(), !m.savedAt || *m.savedAt != 0);
        for (std::size_t i = 0; i < done + toRedo; ++i)
            ASSERT_TRUE(session->Redo());
        ASSERT_EQ(Hash(Capture()), m.states.back()) << "redo of everything: not the newest state";
        for (std::size_t i = 0; i < toRedo; ++i)
            ASSERT_TRUE(session->Undo());
        m_events.clear();
        const TableState back = Capture();
        ASSERT_TRUE(back == last) << "not back where it was";
    }

    std::ostringstream m_out;
    std::unique_ptr<CEditScript> editor;
    EditSession* session = nullptr;
    std::string m_image, m_workbook, m_csv;
    std::vector<XmlSatellite> m_satellitesXml;
    Product m_product;
    bool m_cable = false;
    std::vector<EditEvent> m_events;
    std::set<std::string> m_heard; // the edits that ran, over every run of a test
    std::string m_line;            // the script line last run, empty for an import
    std::string m_editLine;        // the line that ran the last edit

    // The model: the hash of each state the history can reach, oldest
    // first, the position of the tables in it, and the saved position.
    struct Model {
        std::deque<std::uint64_t> states;
        std::size_t applied = 0;
        std::optional<std::size_t> savedAt = 0;
        TableState start; // the state at position 0 while nothing was trimmed
        bool startKept = true;
        std::set<ListProblem> startProblems;
        std::set<ListProblem> allowedProblems; // left by an edit that ran (MayLeave)
        std::size_t edits = 0;
        std::size_t deepest = 0; // the most steps the history held
    } m;
};

} // namespace

TEST_F(HistoryProperty, SatelliteImageEditsUndoAndRedoAsTheModelSays) {
    RunSeeds({1, 2, 3}, 1000, {});
}

TEST_F(HistoryProperty, CableImageEditsUndoAndRedoAsTheModelSays) {
    RunSeeds({11, 12}, 800, {.cable = true});
}

TEST_F(HistoryProperty, ATightBoundDropsOldStepsAndTheSavedPointWithThem) {
    // Few steps and little memory: the oldest steps keep going, and the
    // loaded or saved state with them.
    RunSeeds({21, 22}, 600, {.maxSteps = 25, .maxBytes = std::size_t{384} << 10});
}

// The catalogue itself: one name and one id each, in order, and for each the
// script words that run it or, where there are none or two entries share
// them, a note on which case is which.
TEST(EditCatalogue, EntriesHaveOneNameEachAndSayHowTheScriptReachesThem) {
    std::set<std::string_view> names;
    std::size_t i = 0;
    for (const EditEntry& e : EditCatalogue()) {
        SCOPED_TRACE(std::string(e.name));
        EXPECT_EQ(static_cast<std::size_t>(e.id), i++);
        EXPECT_FALSE(e.name.empty());
        EXPECT_TRUE(names.insert(e.name).second) << "two edits share the name";
        EXPECT_NE(e.tables, 0u);
        // No script words, or words another entry has too: a note says what instead.
        if (e.script.empty() ||
            std::ranges::count(EditCatalogue(), e.script, &EditEntry::script) > 1) {
            EXPECT_FALSE(e.scriptNote.empty()) << "script words \"" << e.script << "\"";
        }
    }
    EXPECT_EQ(i, kEditCount);
    EXPECT_EQ(FindScriptEdit("drop broadcast"), &Catalogue(EditId::SetBroadcaster));
    EXPECT_EQ(FindScriptEdit("drop"), nullptr);
    EXPECT_EQ(FindScriptEdit(""), nullptr);
}
