// Progress of long work in the core (the receiver link's transfers) and the
// user's way to stop it. The core reports; the editor shows a progress
// dialog with a Cancel button, velmar-cli a line on stderr, tests a script.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

class IProgress {
public:
    virtual ~IProgress() = default;
    // `done` of `total` units so far. False: the user cancelled; the work
    // stops as soon as it safely can and reports that it was cancelled.
    virtual bool Step(std::uint64_t done, std::uint64_t total) = 0;
};

// Nobody watching: never cancels.
class CNoProgress final : public IProgress {
public:
    bool Step(std::uint64_t, std::uint64_t) override { return true; }
};

// Records every step and cancels at the chosen one (never by default).
class CScriptedProgress final : public IProgress {
public:
    static constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();

    explicit CScriptedProgress(std::size_t cancelAtStep = kNever) : m_nCancelAt(cancelAtStep) {}
    bool Step(std::uint64_t done, std::uint64_t total) override {
        m_steps.emplace_back(done, total);
        return m_steps.size() - 1 < m_nCancelAt;
    }
    const std::vector<std::pair<std::uint64_t, std::uint64_t>>& Steps() const { return m_steps; }

private:
    std::size_t m_nCancelAt;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> m_steps;
};
