// The editor window under test: a frame with the scripted seam on the
// start-up product, its controls found by object name, the example image to
// open, and the user's own steps (undo, save, double click) and what the
// store and the seam hold after them.
#pragma once

#include "app/MainFrame.h"
#include "contracts/Policy.h"
#include "contracts/RecordMemory.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "model/ChannelListModel.h"
#include "model/ChannelRecords.h"
#include "qtkit/ScriptedUiSeam.h"
#include "tests/gui/QtPrinters.h"
#include "views/Messages.h"
#include "views/Panes.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const QString kExample = QString(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin";

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The channel table as the store holds it now.
inline std::vector<Channel_Info_Tag> ChannelTable() {
    std::vector<Channel_Info_Tag> out;
    for (const auto& c : std::as_const(TheZorvDB()).Rows<Channel_Info_Tag>(kTableChannel))
        out.push_back(c);
    return out;
}
template <class T> const T& Record(std::uint8_t table, std::uint32_t key) {
    const T* r = std::as_const(TheZorvDB()).Get<T>(table, key);
    if (!r)
        throw std::runtime_error("no record " + std::to_string(key));
    return *r;
}
// Images compared by size and the first byte that differs.
inline void ExpectSameImage(const std::string& actual, const std::string& expected) {
    EXPECT_EQ(actual.size(), expected.size());
    const auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    EXPECT_TRUE(diff.first == actual.end() && diff.second == expected.end())
        << "first difference at offset " << (diff.first - actual.begin());
}
// A message box as the user saw it: its words, caption, icon and buttons.
inline void ExpectMessage(const CScriptedUiSeam::Message& m, const QString& text,
                          IUiSeam::Icon icon, IUiSeam::Buttons buttons) {
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.caption, "Velmar");
    EXPECT_EQ(m.icon, icon);
    EXPECT_EQ(m.buttons, buttons);
}
// The texts of one grid row in the given columns.
template <class Grid> QStringList RowTexts(Grid& g, int row, std::initializer_list<int> columns) {
    QStringList out;
    for (int c : columns)
        out << g.GetItemText(row, c);
    return out;
}
// The keys of a grid's rows, and of its selected rows, in row order.
template <class Grid> std::vector<std::uint32_t> RowKeys(const Grid& g) {
    std::vector<std::uint32_t> keys;
    for (int r = 1; r < g.GetRowCount(); ++r)
        keys.push_back(g.GetRowKey(r));
    return keys;
}
template <class Grid> std::vector<std::uint32_t> SelectedKeys(const Grid& g) {
    std::vector<std::uint32_t> keys;
    for (int r : g.GetSelectedRows())
        keys.push_back(g.GetRowKey(r));
    return keys;
}
// The channel names a list shows, top to bottom.
template <class Grid> QStringList ChannelNames(Grid& g) {
    QStringList out;
    for (int row = 1; row < g.GetRowCount(); ++row)
        out << g.GetItemText(row, kChannelColumnName);
    return out;
}
// Runs `write` with channel `key` alone in the store (to make a list of
// that one channel), and then puts the store back as it was.
inline void WithOnlyChannel(std::uint32_t key, const std::function<void()>& write) {
    CZorvDB& db = TheZorvDB();
    CZorvDB aside;
    db.Swap(aside);
    db.Add(kTableChannel, key,
           CopyRecord(*std::as_const(aside).Get<Channel_Info_Tag>(kTableChannel, key)));
    write();
    db.Swap(aside);
}
// A user's double click: a click, then the double-click event.
inline void DoubleClick(QWidget* viewport, const QPoint& point) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
}

// TMPDIR set for one test (its working copies alone), as it was after.
class TmpDirScope {
public:
    explicit TmpDirScope(const std::string& dir) {
        if (const char* before = std::getenv("TMPDIR"))
            m_saved = before;
        ::setenv("TMPDIR", dir.c_str(), 1);
    }
    ~TmpDirScope() { m_saved ? ::setenv("TMPDIR", m_saved->c_str(), 1) : ::unsetenv("TMPDIR"); }
    TmpDirScope(const TmpDirScope&) = delete;
    TmpDirScope& operator=(const TmpDirScope&) = delete;

private:
    std::optional<std::string> m_saved;
};

class Editor : public ::testing::Test {
public:
    void SetUp() override {
        TheZorvDB().ClearAll();
        ResetImageState();
        velmar::policy_profile::Reset();
        ConfigureStartupPolicy();
    }
    void TearDown() override {
        frame.reset();
        TheZorvDB().ClearAll();
        velmar::policy_profile::Reset();
    }
    void Start() {
        frame = std::make_unique<CMainFrame>(ui, false);
        frame->show();
    }
    void OpenExample() { OpenFile(kExample); }
    // A window active for keys; and with the example open, nothing said.
    void StartActive() {
        Start();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void Open() {
        StartActive();
        const std::size_t shown = ui.messages.size();
        OpenExample();
        ASSERT_EQ(ui.messages.size(), shown) << "the example opens without a word";
    }
    // The user was shown `count` messages, the last `text` with `icon`.
    void ExpectSaid(std::size_t count, IUiSeam::Icon icon, const QString& text) {
        ASSERT_EQ(ui.messages.size(), count);
        EXPECT_EQ(ui.messages.back().icon, icon);
        EXPECT_EQ(ui.messages.back().text, text);
    }
    // The rows selected in list `source` dropped on `target` with the key (or
    // node number) under the pointer.
    void Drop(int source, int target, std::uint32_t value) {
        frame->SendMessage(WM_GRID_DRAG_BEGIN, static_cast<std::uintptr_t>(source), 0);
        frame->SendMessage(WM_GRID_DROP, static_cast<std::uintptr_t>(target),
                           static_cast<std::intptr_t>(value));
    }
    void OpenFile(const QString& path) {
        ui.NextOpenFileName(path);
        Action("ID_FILE_OPEN").trigger();
    }
    void SaveTo(const std::string& path) {
        ui.NextSaveFileName(QString::fromStdString(path));
        Action("ID_SAVE_TO_FILE").trigger();
    }
    // The image the Save command writes now.
    std::string Saved(const char* name) {
        const std::string path = Scratch(name);
        SaveTo(path);
        std::string bytes = ReadAll(path);
        std::filesystem::remove(path);
        return bytes;
    }
    // The window takes keys again once a popup menu has closed.
    void Activate() {
        frame->activateWindow();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return QApplication::activeWindow() == frame.get(); }, 2000));
    }
    void Undo() { Keys("Ctrl+Z"); }
    void Keys(const char* sequence) {
        Activate();
        QTest::keySequence(frame.get(), QKeySequence(sequence));
        QCoreApplication::processEvents();
    }
    QAction& Action(const char* name) { return Find<QAction>(name); }
    // A control of the window, by its object name.
    template <class T> T& Find(const char* name) {
        T* found = frame->findChild<T*>(name);
        if (!found)
            throw std::runtime_error(std::string("no control named ") + name);
        return *found;
    }
    CChannelGridCtrl& TV() { return Find<CChannelGridCtrl>("TVGrid"); }
    CChannelGridCtrl& Radio() { return Find<CChannelGridCtrl>("RadioGrid"); }
    CListGridCtrl& Grid(const char* name) { return Find<CListGridCtrl>(name); }
    CFAVTreeCtrl& Tree() { return Find<CFAVTreeCtrl>("FavTree"); }
    std::string Scratch(const char* name) {
        return (std::filesystem::temp_directory_path() /
                ("velmar-gui-" + std::to_string(::getpid()) + "-" + name))
            .string();
    }

    CScriptedUiSeam ui;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace

// ---- Other lists for the list tools: a copy of the example, a satellites.xml line
#include "document/Document.h"

#include <sstream>

namespace {

// The example read as the editor reads it, into a document of its own to
// edit into another list.
inline void ReadExample(CDocument& doc) {
    ASSERT_EQ(ReadImageDocument(kExample.toStdString(), ImageForm::Convert,
                                CDocument::Current().Values(), doc),
              1);
}
// A transponder of a satellites.xml file, its frequency in MHz and its
// symbol rate in kS/s (the file has Hz and S/s).
inline std::string TransponderXml(int mhz, int ks, int polarisation, int fec, int system = 0,
                                  int modulation = 1) {
    std::ostringstream x;
    x << "  <transponder frequency=\"" << mhz * 1000 << "\" symbol_rate=\"" << ks * 1000
      << "\" polarization=\"" << polarisation << "\" fec_inner=\"" << fec << "\" system=\""
      << system << "\" modulation=\"" << modulation << "\"/>\n";
    return x.str();
}

} // namespace
