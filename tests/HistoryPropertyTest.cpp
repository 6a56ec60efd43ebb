// The edit history against a model: long random runs of the catalogue's edits
// (channel and source commands, drops and moves, deletes, imports, apply
// order, merge) through the same core commands the editor and the edit
// script call, interleaved with undo, redo and saves, on the example images.
// The model is the list of states the history should lead through. After
// every step the tables must be the model's state (saved image bytes, every
// row's bytes, keys, order and key counters), the unsaved flag must follow
// the saved point, no list-check problem the starting list did not have may
// appear, and the history must stay within its bounds. Every few steps the
// whole history is undone (the oldest kept state, byte for byte) and redone
// (the final state, byte for byte).
//
// VELMAR_HISTORY_SEED=N runs seed N alone, VELMAR_HISTORY_STEPS=N sets the
// steps of each run.
#include "compare/ListMerge.h"
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
#include "document/ReferenceOrderEdit.h"
#include "document/SessionCommands.h"
#include "document/WorkbookImport.h"
#include "image/FlashGeometry.h"
#include "lists/ChannelCsv.h"
#include "lists/SatellitesXml.h"
#include "model/ChannelCommands.h"
#include "model/ChannelDialogs.h"
#include "model/ChannelEdits.h"
#include "model/ChannelListModel.h"
#include "model/GridMenus.h"
#include "model/RecordChecks.h"
#include "model/SatelliteCommands.h"
#include "model/SourceGridRows.h"
#include "tests/image/ImageBuilder.h"
#include "xls/ChannelWorkbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <set>
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

// Where two states part, for the failure message.
std::string FirstDifference(const TableState& want, const TableState& got) {
    auto at = [](const std::string& what, const auto& a, const auto& b) {
        const auto i = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
        return what + " differ at offset " + std::to_string(i) + " of " + std::to_string(a.size()) +
               "/" + std::to_string(b.size());
    };
    return want.image != got.image   ? at("image bytes", want.image, got.image)
           : want.store != got.store ? at("store bytes", want.store, got.store)
                                     : "same";
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

class HistoryProperty : public CodecTest {
protected:
    void TearDown() override {
        session.reset();
        CodecTest::TearDown();
        ConfigureStartupPolicy();
    }

    void Open(bool cable) {
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
        session = std::make_unique<EditSession>(CDocument::Current());
        session->StartFresh();
        session->AddObserver([this](const EditEvent& e) { m_events.push_back(e); });
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

    void Run(std::uint64_t seed, std::size_t steps, const RunBounds& run);
    void RunSeeds(std::vector<std::uint64_t> seeds, std::size_t steps, const RunBounds& run) {
        if (const auto seed = EnvNumber("VELMAR_HISTORY_SEED"))
            seeds = {*seed};
        steps = static_cast<std::size_t>(EnvNumber("VELMAR_HISTORY_STEPS").value_or(steps));
        for (const std::uint64_t seed : seeds)
            if (!HasFailure())
                Run(seed, steps, run);
    }

    // One random step: an edit, an undo or redo, or a save.
    void Step(std::mt19937_64& rng);
    void ChannelCommand(std::mt19937_64& rng);
    void SourceCommand(std::mt19937_64& rng);
    void WholeTableEdit(std::mt19937_64& rng);
    // The model follows what the session says happened; then every check.
    void Check();
    void UndoAllRedoAll();

    template <class T> T Pick(std::mt19937_64& rng, const std::vector<T>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
    }
    static std::size_t Below(std::mt19937_64& rng, std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    }

    std::unique_ptr<EditSession> session;
    std::string m_image, m_workbook, m_csv;
    std::vector<XmlSatellite> m_satellitesXml;
    Product m_product;
    bool m_cable = false;
    std::vector<EditEvent> m_events;

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

void HistoryProperty::Run(std::uint64_t seed, std::size_t steps, const RunBounds& run) {
    SCOPED_TRACE("seed " + std::to_string(seed) + (run.cable ? " (cable)" : " (satellite)") +
                 "; VELMAR_HISTORY_SEED=" + std::to_string(seed) + " reruns it");
    m_cable = run.cable;
    Open(run.cable);
    if (HasFatalFailure())
        return;
    session->SetLimits(run.maxSteps, run.maxBytes);
    m_events.clear();
    m = {.start = Capture()};
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
        EXPECT_GT(m.deepest, 10u) << "the history should grow deep enough to undo a run of edits";
        if (run.maxSteps < steps / 4) {
            EXPECT_FALSE(m.startKept) << "the bound should have dropped the oldest steps";
        }
    }
}

void HistoryProperty::Step(std::mt19937_64& rng) {
    const int roll = static_cast<int>(Below(rng, 100));
    if (roll < 14) {
        for (std::size_t n = 1 + Below(rng, 3); n-- > 0 && session->CanUndo();)
            ASSERT_TRUE(session->Undo());
    } else if (roll < 22) {
        for (std::size_t n = 1 + Below(rng, 3); n-- > 0 && session->CanRedo();)
            ASSERT_TRUE(session->Redo());
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

void HistoryProperty::ChannelCommand(std::mt19937_64& rng) {
    CZorvDB& store = session->Db();
    const std::uint32_t type = m_product.type;
    const ChannelKind kind = Below(rng, 3) ? ChannelKind::TV : ChannelKind::Radio;
    ChannelListModel list(kind, m_product);
    // All channels, one satellite's, a favourite list or a genre.
    ChannelFilter filter = ChannelFilter::All();
    const Keys shownSats = SatelliteGridKeys(store, type);
    if (const std::size_t how = Below(rng, 6); how == 0 && !shownSats.empty())
        filter = ChannelFilter::BySatellite(store, Pick(rng, shownSats));
    else if (how == 1 || how == 2)
        filter = ChannelFilter::ByFavoriteOrGenre(filter, static_cast<int>(how - 1),
                                                  static_cast<int>(Below(rng, 4)), type);
    list.SetFilter(store, filter);
    const Keys rows(list.Keys().begin(), list.Keys().end());
    // A run of rows or a few scattered ones, the focus on the first.
    if (!rows.empty()) {
        const std::size_t first = Below(rng, rows.size());
        if (Below(rng, 2)) {
            const std::size_t n = 1 + Below(rng, std::min<std::size_t>(8, rows.size() - first));
            for (std::size_t r = first; r < first + n; ++r)
                list.SetSelected(r, true);
        } else {
            for (std::size_t n = 1 + Below(rng, 4); n-- > 0;)
                list.SetSelected(Below(rng, rows.size()), true);
        }
        list.SetFocusRow(first);
        list.SetSelected(first, true);
    }
    const Keys selected = list.SelectedKeys();
    const ChannelClipboard& clip = session->Clipboard();
    const ChannelMenuState menu =
        ChannelMenuRule(static_cast<int>(filter.kind), static_cast<int>(selected.size()),
                        {clip.Keys().size(), clip.IsTV()}, list.IsTV());
    const bool modeOff = filter.kind == ChannelFilterKind::Favorite || filter.IsGenreMode();

    // From 9 on, the commands act on the selection.
    const std::size_t command = Below(rng, 16);
    if (command >= 9 && selected.empty())
        return;
    switch (command) {
    case 0: {
        if (!menu.Enabled(kChannelNew))
            return;
        Channel_Info_Tag record = NewChannelDialog(store, list.State()).record;
        record.Attributes = static_cast<WORD>(record.Attributes | KindBit(kind));
        std::snprintf(record.Name, sizeof record.Name, "New %u",
                      static_cast<unsigned>(rng() % 1000));
        record.ServiceID = static_cast<WORD>(rng());
        // The dialog's multiplex list: a cable channel is placed on one.
        if (const Keys muxes = CableMuxGridKeys(store, type); m_cable && !muxes.empty())
            record.TPID = store.Get<CableMux_Info_Tag>(kTableCableMux, Pick(rng, muxes))->TPID;
        if (!CheckChannel(record, m_product, PolicyChannelNameLength()).empty())
            return;
        RunNewChannel(*session, list.State(), record);
        return;
    }
    case 1: {
        if (!menu.Enabled(kChannelUpdate))
            return;
        const auto setup = UpdateChannelDialog(store, list.State(), list.FocusKey());
        if (!setup)
            return;
        Channel_Info_Tag record = setup->record;
        switch (Below(rng, 3)) {
        case 0:
            std::snprintf(record.Name, sizeof record.Name, "Renamed %u",
                          static_cast<unsigned>(rng() % 1000));
            break;
        case 1: // a number another channel may hold: the channel moves there
            record.ProgramNum = static_cast<WORD>(1 + Below(rng, rows.size() + 2));
            break;
        default:
            record.VideoPID = static_cast<WORD>(rng() % 0x1FFF);
            break;
        }
        if (!CheckChannel(record, m_product, PolicyChannelNameLength()).empty())
            return;
        RunUpdateChannel(*session, list.FocusKey(), record);
        return;
    }
    case 2:
        if (menu.Enabled(kChannelDelete))
            RunDeleteChannels(*session, list.State(), selected);
        return;
    case 3: {
        // The channel with the highest key goes: a new one then takes the
        // key after it, and undo must bring the old key counter back.
        if (modeOff)
            return;
        const std::uint32_t last = store.LastKey(kTableChannel);
        const auto* c = store.Get<Channel_Info_Tag>(kTableChannel, last);
        if (!c)
            return;
        ChannelListModel own(IsTV(*c) ? ChannelKind::TV : ChannelKind::Radio, m_product);
        own.SetFilter(store, ChannelFilter::All());
        RunDeleteChannels(*session, own.State(), Keys{last});
        return;
    }
    case 4:
        if (menu.Enabled(kChannelCopy))
            CopyChannels(store, list.State(), selected, session->Clipboard());
        return;
    case 5:
        if (!modeOff && !clip.IsEmpty())
            RunPasteChannels(*session, list.State());
        return;
    case 6:
        if (!modeOff && !clip.IsEmpty() && list.FocusKey() != 0)
            RunMoveChannelsHere(*session, list.State(), list.FocusKey());
        return;
    case 7:
        RunLockChannels(*session, selected, Below(rng, 2) != 0);
        return;
    case 8:
        RunSkipChannels(*session, selected, Below(rng, 2) != 0);
        return;
    case 9: {
        const Keys sats = SatelliteGridKeys(store, type);
        const Keys muxes = CableMuxGridKeys(store, type);
        if (!muxes.empty() && (sats.empty() || Below(rng, 2))) {
            const std::uint32_t mux = Pick(rng, muxes);
            RunEdit(*session, EditId::SetMultiplex,
                    [&] { return !SetChannelsMux(store, selected, mux, type).changed.empty(); });
        } else if (!sats.empty()) {
            const std::uint32_t sat = Pick(rng, sats);
            RunEdit(*session, EditId::SetSatellite,
                    [&] { return !SetChannelsSatellite(store, selected, sat).changed.empty(); });
        }
        return;
    }
    case 10: {
        const Keys tps = TransponderGridKeys(store, type, 0);
        if (const std::uint32_t tp = tps.empty() ? 0 : Pick(rng, tps))
            RunEdit(*session, EditId::SetTransponder,
                    [&] { return !SetChannelsTransponder(store, selected, tp).changed.empty(); });
        return;
    }
    case 11: {
        const Keys providers = BroadcastGridKeys(store);
        if (const std::uint32_t b = providers.empty() ? 0 : Pick(rng, providers))
            RunEdit(*session, EditId::SetBroadcaster,
                    [&] { return !SetChannelsBroadcast(store, selected, b).changed.empty(); });
        return;
    }
    case 12: {
        const int fav = static_cast<int>(Below(rng, 4));
        RunEdit(*session, EditId::AddToFavorite,
                [&] { return !JoinFavoriteList(store, selected, fav, kind).changed.empty(); });
        return;
    }
    case 13: {
        const int genre = static_cast<int>(Below(rng, 16));
        RunEdit(*session, EditId::SetGenre, [&] {
            return !SetChannelsGenre(store, selected, genre, filter.IsGenreMode()).changed.empty();
        });
        return;
    }
    default: {
        // Selected rows dropped on a row of their own list (never empty here: the
        // focus row is selected).
        const std::uint32_t dropKey = rows[Below(rng, rows.size())];
        if (filter.IsFavoriteMode()) {
            RunEdit(*session, EditId::ReorderFavorite, [&] {
                return !ReorderFavoriteList(store, rows, selected, dropKey, filter.favorite)
                            .rows.changed.empty();
            });
        } else {
            RunEdit(*session, EditId::MoveChannels, [&] {
                return !RenumberMovedSet(store, selected, dropKey, kind, m_product.list)
                            .changed.empty();
            });
        }
        return;
    }
    }
}

void HistoryProperty::SourceCommand(std::mt19937_64& rng) {
    CZorvDB& store = session->Db();
    const std::uint32_t type = m_product.type;
    const Keys sats = SatelliteGridKeys(store, type);
    const Keys tps = TransponderGridKeys(store, type, 0);
    const Keys muxes = CableMuxGridKeys(store, type);
    const Keys providers = BroadcastGridKeys(store);
    // Deletes take the highest-keyed row half the time: the next new row
    // is then given the key after it.
    auto victim = [&](const Keys& shown) -> std::uint32_t {
        if (shown.empty())
            return 0;
        return Below(rng, 2) ? *std::max_element(shown.begin(), shown.end()) : Pick(rng, shown);
    };
    // The grids the receiver shows: satellites and transponders, or cable
    // multiplexes.
    std::size_t command = Below(rng, 14);
    if (m_cable && command <= 6)
        command = 7 + Below(rng, 3);
    else if (!m_cable && command >= 7 && command <= 9)
        command = Below(rng, 7);
    switch (command) {
    case 0: {
        Satellite_Info_Tag s{};
        s.Degree = static_cast<WORD>(Below(rng, 3600));
        std::snprintf(s.Name, sizeof s.Name, "Sat %u", static_cast<unsigned>(rng() % 1000));
        if (CheckSatellite(store, s, 0).empty())
            RunNewSatellite(*session, s);
        return;
    }
    case 1: {
        if (sats.empty())
            return;
        const std::uint32_t key = Pick(rng, sats);
        Satellite_Info_Tag s = *store.Get<Satellite_Info_Tag>(kTableSatellite, key);
        std::snprintf(s.Name, sizeof s.Name, "Upd %u", static_cast<unsigned>(rng() % 1000));
        if (CheckSatellite(store, s, key).empty())
            RunUpdateSatellite(*session, key, s);
        return;
    }
    case 2:
        if (const std::uint32_t key = victim(sats))
            RunDeleteSatellites(*session, Keys{key});
        return;
    case 3: {
        if (sats.empty())
            return;
        const auto filter = TransponderFilterFor(store, Pick(rng, sats), 0);
        Transponder_Info_Tag t = PresetTransponder(static_cast<BYTE>(filter));
        t.Frequency = static_cast<WORD>(10700 + Below(rng, 2050));
        t.SymbolRate = 27500;
        if (CheckTransponder(store, t, 0).empty())
            RunNewTransponder(*session, t);
        return;
    }
    case 4: {
        if (tps.empty())
            return;
        const std::uint32_t key = Pick(rng, tps);
        Transponder_Info_Tag t = *store.Get<Transponder_Info_Tag>(kTableTransponder, key);
        t.Frequency = static_cast<WORD>(10700 + Below(rng, 2050));
        if (CheckTransponder(store, t, key).empty())
            RunUpdateTransponder(*session, key, t);
        return;
    }
    case 5:
        if (const std::uint32_t key = victim(tps))
            RunDeleteTransponders(*session, Keys{key});
        return;
    case 6: {
        if (tps.empty() || sats.empty())
            return;
        const Keys one{Pick(rng, tps)};
        const std::uint32_t sat = Pick(rng, sats);
        RunEdit(*session, EditId::MoveTransponders,
                [&] { return !MoveTranspondersToSatellite(store, one, sat).changed.empty(); });
        return;
    }
    case 7: {
        CableMux_Info_Tag m{};
        m.Frequency = static_cast<DWORD>(114000 + 8000 * Below(rng, 90));
        m.SymbolRate = 6900;
        if (CheckCableMux(store, m, 0).empty())
            RunNewCableMux(*session, m);
        return;
    }
    case 8: {
        if (muxes.empty())
            return;
        const std::uint32_t key = Pick(rng, muxes);
        CableMux_Info_Tag m = *store.Get<CableMux_Info_Tag>(kTableCableMux, key);
        m.Frequency = static_cast<DWORD>(114000 + 8000 * Below(rng, 90));
        if (CheckCableMux(store, m, key).empty())
            RunUpdateCableMux(*session, key, m);
        return;
    }
    case 9:
        if (const std::uint32_t key = victim(muxes))
            RunDeleteCableMuxes(*session, Keys{key});
        return;
    case 10: {
        const WORD lastRowId =
            providers.empty()
                ? 0
                : store.Get<Broadcast_Info_Tag>(kTableBroadcast, providers.back())->BroadcastID;
        RunNewBroadcast(*session, lastRowId, "Net " + std::to_string(rng() % 1000));
        return;
    }
    case 11:
        if (!providers.empty())
            RunRenameBroadcast(*session, Pick(rng, providers),
                               "Ren " + std::to_string(rng() % 1000));
        return;
    case 12:
        if (const std::uint32_t key = victim(providers))
            RunDeleteBroadcasts(*session, Keys{key});
        return;
    default: {
        const auto number = static_cast<std::uint32_t>(1 + Below(rng, 8));
        const std::string name = "Fav " + std::to_string(rng() % 1000);
        RunEdit(*session, EditId::RenameFavorite,
                [&] { return RenameFavoriteList(store, number, name) == FavoriteRename::Renamed; });
        return;
    }
    }
}

void HistoryProperty::WholeTableEdit(std::mt19937_64& rng) {
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
        return;
    }
    case 1:
        RunImportChannelCsv(*session, m_csv);
        return;
    case 2: {
        SatelliteImportOptions options;
        options.prune = Below(rng, 2) != 0;
        RunImportSatellites(*session, m_satellitesXml, options);
        return;
    }
    case 3:
        ApplyReferenceOrderFile(*session, Below(rng, 2) ? m_image : m_workbook);
        return;
    default:
        MergeChannelsFromFile(*session, m_image, MergeKinds::All);
        return;
    }
}

void HistoryProperty::Check() {
    const std::uint64_t before = m.states[m.applied];
    const TableState now = Capture();
    const std::uint64_t hash = Hash(now);
    for (const EditEvent& e : m_events) {
        switch (e.kind) {
        case EditEventKind::Edit:
            ++m.edits;
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
    std::string heard;
    for (const EditEvent& e : m_events)
        heard +=
            (heard.empty() ? "" : ", ") + std::to_string(static_cast<int>(e.kind)) + ":" + e.name;
    SCOPED_TRACE("events (0 edit, 1 undo, 2 redo, 4 saved): " + heard);
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
        ASSERT_TRUE(now == m.start) << FirstDifference(m.start, now);
    }
    ASSERT_EQ(session->IsModified(), !m.savedAt || *m.savedAt != m.applied);

    for (const ListProblem p : Problems())
        ASSERT_TRUE(m.startProblems.contains(p) || m.allowedProblems.contains(p))
            << "the edits made a list problem the opened list did not have: " << ListProblemName(p);

    ASSERT_LE(session->HistoryBytes(), session->MaxBytes());
    ASSERT_LE(session->UndoCount() + session->RedoCount(), session->MaxSteps());
    // No steps, no memory; a step holds at least its own entry.
    ASSERT_EQ(session->HistoryBytes() == 0, session->UndoCount() + session->RedoCount() == 0);
}

void HistoryProperty::UndoAllRedoAll() {
    const TableState last = Capture();
    const std::size_t done = session->UndoCount();
    const std::size_t toRedo = session->RedoCount();
    for (std::size_t i = 0; i < done; ++i)
        ASSERT_TRUE(session->Undo());
    m_events.clear();
    const TableState oldest = Capture();
    if (m.startKept) {
        ASSERT_TRUE(oldest == m.start)
            << "undo of everything: " << FirstDifference(m.start, oldest);
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
    ASSERT_TRUE(back == last) << "back where it was: " << FirstDifference(last, back);
}

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
