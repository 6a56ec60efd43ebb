#include "platform/SignalCleanup.h"

#include <array>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int kSlots = 32;
constexpr std::size_t kPathBytes = 4096;

struct Slot {
    volatile std::sig_atomic_t held = 0; // set last, cleared first
    bool folder = false;
    char path[kPathBytes] = {};
};

std::array<Slot, kSlots> g_slots;

void RemoveHeld(bool folders) {
    for (Slot& slot : g_slots)
        if (slot.held && slot.folder == folders)
            folders ? ::rmdir(slot.path) : ::unlink(slot.path);
}

extern "C" void OnEndingSignal(int number) {
    RemoveHeld(false);
    RemoveHeld(true);
    (void)std::signal(number, SIG_DFL);
    (void)::raise(number);
}

} // namespace

int RemoveOnSignal(const std::string& path, bool folder) {
    if (path.empty() || path.size() >= kPathBytes)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = g_slots[static_cast<std::size_t>(i)];
        if (slot.held)
            continue;
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.folder = folder;
        slot.held = 1;
        return i;
    }
    return -1;
}

void KeepAfterSignal(int slot) {
    if (slot >= 0 && slot < kSlots)
        g_slots[static_cast<std::size_t>(slot)].held = 0;
}

void InstallSignalCleanup() {
    struct sigaction action {};
    action.sa_handler = OnEndingSignal;
    sigemptyset(&action.sa_mask);
    for (const int number : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&action.sa_mask, number);
    for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal the caller ignores (nohup) stays ignored.
        struct sigaction old {};
        if (sigaction(number, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue;
        sigaction(number, &action, nullptr);
    }
}

int PathsHeldForSignal() {
    int held = 0;
    for (const Slot& slot : g_slots)
        held += slot.held ? 1 : 0;
    return held;
}
