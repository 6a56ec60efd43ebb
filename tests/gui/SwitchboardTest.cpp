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

TEST(Switchboard, EachMessageNumberReachesItsOperation) {
    Recorder r;
    const struct {
        unsigned message;
        std::uintptr_t w;
        std::intptr_t l;
        const char* call;
    } cases[] = {
        {0x464, 0, 255, "all"},
        {0x464, 0, 0, "favorite 0"},
        {0x464, 0, 254, "favorite 254"},
        {0x464, 1, 255, "genre 255"},
        {0x464, 3, 5, "genre 5"},
        {0x465, 0, 7, "satellite 7"},
        {0x465, 0, 0, "satellite 0"},
        {0x466, 0, 12, "transponder 12"},
        {0x467, 0, 0, "mux 0"},
        {0x468, 0, 3, "mux 3"},
        {0x469, 0, 4, "broadcast 4"},
        {0x46B, 0, 0, "clear transponders"},
        {0x46D, 0, 0, "clear channels"},
        {0x46E, 0, 0, "refill"},
        {0x46F, 8, 0, "drag 8"},
        {0x472, 6, 1, "drop 6 1"},
        {0x472, 1, 70000, "drop 1 70000"},
    };
    for (const auto& c : cases) {
        r.calls.clear();
        EXPECT_EQ(DispatchFrameMessage(r, c.message, c.w, c.l), 1) << c.call;
        EXPECT_EQ(r.calls, std::vector<std::string>{c.call});
    }
    r.calls.clear();
    for (unsigned unknown : {0x463u, 0x46Au, 0x46Cu, 0x470u, 0x471u, 0x473u, 0x0u})
        EXPECT_EQ(DispatchFrameMessage(r, unknown, 0, 0), 0) << unknown;
    EXPECT_TRUE(r.calls.empty());
}
