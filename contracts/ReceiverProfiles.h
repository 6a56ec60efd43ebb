// The receiver families the editor and velmar-cli can be set up for: one
// named profile per family with everything the product policy is configured
// with, and the model list of the window caption.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct ReceiverBlock {
    int start = 0;     // offset in the flash image proper
    int sectors = 0;   // on the single-block cable receivers: the slot count
    int entrySize = 0; // bytes per entry
    int fourth = 0;    // favourite block: most entries; channel block: name length

    friend bool operator==(const ReceiverBlock&, const ReceiverBlock&) = default;
};

struct ReceiverProfile {
    std::string_view name;        // short name for --receiver
    std::string_view description; // what the family is, in plain words
    std::string_view models;      // the caption's receiver models
    int productList = 0;
    std::uint32_t productType = 0;
    int byteOrder = 0;
    int startBlock = 7744;
    int checksumSize = 1;
    ReceiverBlock mmi, sat, brd, tp, ch;
    // Values the policy answers from itself for this receiver.
    int sectorSize = 4096;
    int maxMuxCount = 64;
    int gridColumn = 0; // 0: the grids hide their technical columns
};

// Every known family; the first is the start-up receiver.
std::span<const ReceiverProfile> ReceiverProfiles();
const ReceiverProfile& DefaultReceiverProfile();
// Null when no profile has that short name.
const ReceiverProfile* FindReceiverProfile(std::string_view name);

// The receiver of one run: the command line's choice, else the one the
// configuration dialog saved (a name no profile has is ignored), else the
// start-up receiver. A saved choice of the technical columns applies to
// whichever it is.
ReceiverProfile ChooseReceiver(const ReceiverProfile* commandLine, std::string_view savedName,
                               std::optional<int> savedGridColumn);

// "Velmar for <models> - 8FAV".
std::string ReceiverCaption(const ReceiverProfile& profile);

// Bytes of the flash image proper that the profile's blocks reach to.
int ReceiverFlashBytes(const ReceiverProfile& profile);

// The configuration calls of frame creation, in the order they are made.
enum class PolicyCall : std::uint8_t {
    SetProductList,
    SetProductType,
    SetFlashByteOrder,
    SetFlashStartBlock,
    SetBufChecksumSize,
    SetFlashMMIBlockInfo,
    SetFlashSatBlockInfo,
    SetFlashBrdBlockInfo,
    SetFlashTPBlockInfo,
    SetFlashCHBlockInfo,
};

struct PolicyStep {
    PolicyCall call;
    std::array<int, 4> args; // unused trailing arguments are 0

    friend bool operator==(const PolicyStep&, const PolicyStep&) = default;
};

std::array<PolicyStep, 10> PolicySteps(const ReceiverProfile& profile);

// Gives the policy the profile's own answers (sector size, multiplex count,
// technical columns), then makes the configuration calls in order.
void ConfigurePolicy(const ReceiverProfile& profile);
