// The editor window under test: a frame with the scripted seam on the
// start-up product, its controls found by object name, and the example
// image to open.
#pragma once

#include "app/MainFrame.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "qtkit/ScriptedUiSeam.h"
#include "tests/gui/QtPrinters.h"
#include "views/Panes.h"

#include <QAction>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

const QString kExample = QString(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin";

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Editor : public ::testing::Test {
protected:
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
    void OpenExample() {
        ui.NextOpenFileName(kExample);
        Action("ID_FILE_OPEN").trigger();
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
