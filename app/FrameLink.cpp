// The frame's receiver-link commands: Receive (toolbar, Ctrl+R) and Send
// (Ctrl+T). The transfer itself is the dialogs' business; the frame hands
// them the working copy and loads what a receive left there.
//
// Beyond the letter of the commands, no failure loses data: a received image
// that does not load puts the previous tables and working copy back and
// says so, and a failed save before a send puts the working copy back and
// says so, where the commands would otherwise end silently.
#include "app/MainFrame.h"

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "image/ChannelFile.h"
#include "image/ImageFile.h"
#include "image/ImageState.h"
#include "image/WorkingCopy.h"
#include "link/AtomicFile.h"
#include "model/Capacity.h"
#include "platform/MessageBoxes.h"
#include "platform/vxui/LinkDialogs.h"
#include "views/Panes.h"

#include <array>
#include <optional>
#include <span>

namespace {

// The working copy's bytes, put back after a codec failure (a failed save
// deletes the file, a failed load follows a receive that replaced it).
class CWorkingCopyBackup {
public:
    CWorkingCopyBackup() : m_bHave(ReadWholeFile(g_szWorkImagePath, m_bytes)) {}
    void Restore() const {
        if (!m_bHave)
            return;
        std::string error;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(m_bytes.data());
        ReplaceFileAtomically(g_szWorkImagePath, {bytes, m_bytes.size()}, {}, error);
    }

private:
    std::string m_bytes;
    bool m_bHave;
};

// The tables, their rows and the codec's module-wide values, and the
// working copy: enough to undo a receive that did not load.
class CReceiveBackup {
public:
    CReceiveBackup() : m_values(ImageStateValues::Capture()) {
        const CZorvDB& db = TheZorvDB();
        for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
            m_tables[t] = db.Snapshot(t);
    }
    void Restore() const {
        CZorvDB& db = TheZorvDB();
        for (const CTableSnapshot& table : m_tables)
            db.Restore(table);
        m_values.Apply();
        m_copy.Restore();
    }

private:
    ImageStateValues m_values;
    std::array<CTableSnapshot, CZorvDB::kTableCount> m_tables;
    CWorkingCopyBackup m_copy;
};

struct TableName {
    std::uint8_t table;
    const char* name;
};
constexpr TableName kSentTables[] = {
    {kTableFavorite, "favourite lists"},   {kTableSatellite, "satellites"},
    {kTableBroadcast, "broadcasters"},     {kTableTransponder, "transponders"},
    {kTableCableMux, "cable multiplexes"}, {kTableChannel, "channels"},
};

// Why the tables cannot be sent whole, or nothing: a table with more rows
// than the receiver's blocks hold would be cut short by the save.
std::optional<QString> CapacityProblem() {
    const CZorvDB& db = TheZorvDB();
    for (const TableName& t : kSentTables) {
        const auto capacity = TableCapacity(t.table);
        if (capacity && db.Size(t.table) > *capacity)
            return QObject::tr("Cannot send %1 %2: the receiver holds at most %3.")
                .arg(db.Size(t.table))
                .arg(t.name)
                .arg(*capacity);
    }
    return std::nullopt;
}

} // namespace

void CMainFrame::OnReceiveDb() {
    const int productList = GetProductList();
    CDlgRecvDataFromSTB plain(m_ui);
    plain.Initialize(g_szWorkImagePath);
    CDlgRecvDataFromSTBEx extended(m_ui);
    extended.Initialize(g_szWorkImagePath);
    const CReceiveBackup backup;
    const bool useEx = productList >= 7 && productList <= 10;
    const int result = useEx ? extended.DoModal() : plain.DoModal();
    if (result != IUiSeam::IDOK)
        return; // the dialogs replace the working copy only with a whole image
    CChannelFile file;
    file.SetPrompt(&m_prompt);
    TheZorvDB().ClearAll();
    const int loaded = file.Load(g_szWorkImagePath);
    if (loaded == 0)
        backup.Restore();
    RefreshAllViews();
    if (loaded == 0)
        ShowStop(m_ui, this, texts::kCannotOpenImage);
}

void CMainFrame::OnSendDb() {
    const CZorvDB& db = TheZorvDB();
    if (db.Size(kTableChannel) == 0 || db.Size(kTableFavorite) == 0) {
        ShowStop(m_ui, this, texts::kUploadEmpty);
        return;
    }
    if (const auto problem = CapacityProblem()) {
        ShowStop(m_ui, this, *problem);
        return;
    }
    RefreshAllViews();
    const CWorkingCopyBackup copy; // a failed save deletes the file it wrote into
    CChannelFile file;
    if (file.Save(g_szWorkImagePath, false) == 0) {
        copy.Restore();
        ShowStop(m_ui, this, texts::kCannotSaveImage);
        return;
    }
    CDlgSendDataToSTB send(m_ui);
    send.Initialize(g_szWorkImagePath);
    send.DoModal(); // its result is not used
}
