#include "contracts/RecordMemory.h"

#include "contracts/RecordArena.h"

#include <atomic>
#include <cstring>

// In front of every record, padded so the record keeps the strictest
// alignment operator new[] gives: its size, and the arena block it lives in
// (null for a record allocated on its own).
struct CRecordArena::Block {
    std::atomic<std::size_t> refs; // records alive, plus one while the arena uses it
    std::size_t stride;            // bytes from one record's prefix to the next
    std::size_t capacity;
    std::atomic<std::size_t> used; // slots handed out, the newest last
    // The slots follow, each a prefix and a record.
    std::byte* Slot(std::size_t i) {
        return reinterpret_cast<std::byte*>(this) + Header() + i * stride;
    }
    static constexpr std::size_t Header();
};

namespace {

constexpr std::size_t kPrefix = alignof(std::max_align_t);
static_assert(kPrefix >= sizeof(std::size_t) + sizeof(void*));

constexpr std::size_t RoundUp(std::size_t n) {
    return (n + kPrefix - 1) / kPrefix * kPrefix;
}

std::byte* Base(const void* record) {
    return static_cast<std::byte*>(const_cast<void*>(record)) - kPrefix;
}

CRecordArena::Block* BlockOf(const std::byte* base) {
    void* block = nullptr;
    std::memcpy(&block, base + sizeof(std::size_t), sizeof block);
    return static_cast<CRecordArena::Block*>(block);
}

void* Stamp(std::byte* base, std::size_t size, CRecordArena::Block* block) {
    std::memcpy(base, &size, sizeof size);
    const void* raw = block;
    std::memcpy(base + sizeof size, &raw, sizeof raw);
    return base + kPrefix;
}

void Release(CRecordArena::Block* block) noexcept {
    if (block->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        block->~Block();
        ::operator delete[](reinterpret_cast<std::byte*>(block));
    }
}

} // namespace

constexpr std::size_t CRecordArena::Block::Header() {
    return RoundUp(sizeof(Block));
}

void* AllocRecordStorage(std::size_t size) {
    auto* base = static_cast<std::byte*>(::operator new[](kPrefix + size));
    return Stamp(base, size, nullptr);
}

void* AllocRecordBytes(std::size_t size) {
    void* record = AllocRecordStorage(size);
    std::memset(record, 0, size);
    return record;
}

void FreeRecordBytes(void* record) noexcept {
    if (!record)
        return;
    std::byte* base = Base(record);
    CRecordArena::Block* block = BlockOf(base);
    if (!block) {
        ::operator delete[](base);
        return;
    }
    // The newest slot freed again is taken next (only the arena's thread
    // makes records, and only it can free the newest one before the next).
    std::size_t used = block->used.load(std::memory_order_relaxed);
    if (used > 0 && base == block->Slot(used - 1))
        block->used.compare_exchange_strong(used, used - 1, std::memory_order_relaxed);
    Release(block);
}

std::size_t RecordBytes(const void* record) noexcept {
    if (!record)
        return 0;
    std::size_t size = 0;
    std::memcpy(&size, Base(record), sizeof size);
    return size;
}

CRecordArena::CRecordArena(std::size_t size, std::size_t perBlock)
    : m_nSize(size), m_nPerBlock(perBlock > 0 ? perBlock : 1) {}

CRecordArena::~CRecordArena() {
    if (m_pBlock)
        Release(m_pBlock);
}

void* CRecordArena::Alloc() {
    if (!m_pBlock || m_pBlock->used.load(std::memory_order_relaxed) == m_pBlock->capacity) {
        const std::size_t stride = kPrefix + RoundUp(m_nSize);
        auto* raw =
            static_cast<std::byte*>(::operator new[](Block::Header() + m_nPerBlock * stride));
        auto* block = new (raw) Block{{1}, stride, m_nPerBlock, {0}};
        if (m_pBlock)
            Release(m_pBlock);
        m_pBlock = block;
    }
    const std::size_t slot = m_pBlock->used.load(std::memory_order_relaxed);
    std::byte* base = m_pBlock->Slot(slot);
    m_pBlock->refs.fetch_add(1, std::memory_order_relaxed); // the record holds its block
    m_pBlock->used.store(slot + 1, std::memory_order_relaxed);
    void* record = Stamp(base, m_nSize, m_pBlock);
    std::memset(record, 0, m_nSize);
    return record;
}
