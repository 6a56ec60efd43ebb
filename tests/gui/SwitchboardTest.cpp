// The switchboard: each private message, by its number, reaches the typed
// frame operation it stands for, with its arguments decoded.
#include "views/Switchboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Recorder final : public IFrameOperations {
public:
    std::vector<std::string> calls;
    void OnAllChannelsChosen() override { calls.push_back("all"); }
    void OnFavoriteChosen(bool genre, int value) override {
        calls.push_back((genre ? "genre " : "favorite ") + std::to_string(value));
    }
    void OnSatelliteSelected(std::uint32_t key) override { Key("satellite", key); }
    void OnTransponderSelected(std::uint32_t key) override { Key("transponder", key); }
    void OnMuxSelected(std::uint32_t key) override { Key("mux", key); }
    void OnBroadcastSelected(std::uint32_t key) override { Key("broadcast", key); }
    void OnClearTransponderGrid() override { calls.push_back("clear transponders"); }
    void OnClearChannelGrids() override { calls.push_back("clear channels"); }
    void OnRefillChannelLists() override { calls.push_back("refill"); }
    void OnGridDragBegin(int source) override { Key("drag", static_cast<std::uint32_t>(source)); }
    void OnGridDrop(int target, std::uint32_t value) override {
        calls.push_back("drop " + std::to_string(target) + " " + std::to_string(value));
    }

private:
    void Key(const char* what, std::uint32_t key) {
        calls.push_back(std::string(what) + " " + std::to_string(key));
    }
};

} // namespace

// Each message the panes send is seen to reach its operation through the
// window (Editor, SourceEditing, Profile, ChannelEdit, Editing); here what the
// window cannot show: a drop's key arrives whole, and other numbers reach
// nothing.
TEST(Switchboard, ADropsWholeKeyArrivesAndOtherNumbersReachNothing) {
    Recorder r;
    EXPECT_EQ(DispatchFrameMessage(r, WM_GRID_DROP, 1, 70000), 1);
    EXPECT_EQ(r.calls, std::vector<std::string>{"drop 1 70000"});
    r.calls.clear();
    for (unsigned unknown : {0x463u, 0x46Au, 0x46Cu, 0x470u, 0x471u, 0x473u, 0x0u})
        EXPECT_EQ(DispatchFrameMessage(r, unknown, 0, 0), 0) << unknown;
    EXPECT_TRUE(r.calls.empty());
}
