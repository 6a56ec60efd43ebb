// Records made in bulk for the table store, as a load makes them, and
// record storage for callers that fill every byte themselves.
#pragma once

#include "contracts/RecordMemory.h"

#include <cstddef>
#include <new>
#include <type_traits>

// `size` bytes left as they are, for a caller that fills every one of them;
// free with FreeRecordBytes like any record.
void* AllocRecordStorage(std::size_t size);

// Records made in bulk, as a load makes them: many share one allocation,
// yet each is still a record like any other, freed on its own with
// FreeRecordBytes; an allocation goes when its last record and the arena
// are gone. A record freed before the next one is made (a slot a load
// drops) gives its room back.
class CRecordArena {
public:
    // Records of `size` bytes, `perBlock` to an allocation.
    explicit CRecordArena(std::size_t size, std::size_t perBlock = 64);
    ~CRecordArena();
    CRecordArena(const CRecordArena&) = delete;
    CRecordArena& operator=(const CRecordArena&) = delete;

    // `size` zero bytes, freed with FreeRecordBytes.
    void* Alloc();

    struct Block;

private:
    std::size_t m_nSize;
    std::size_t m_nPerBlock;
    Block* m_pBlock = nullptr; // the block records come from now
};

// An arena of records of type T.
template <class T> class RecordArena {
public:
    static_assert(std::is_trivially_copyable_v<T> && std::is_standard_layout_v<T> &&
                      std::is_trivially_default_constructible_v<T>,
                  "store records are plain fixed-layout structures");

    explicit RecordArena(std::size_t perBlock = 64) : m_arena(sizeof(T), perBlock) {}
    // A zero-filled record; the arena's zeroing is the only one (T has
    // nothing to construct), padding included.
    RecordPtr<T> New() { return RecordPtr<T>(new (m_arena.Alloc()) T); }

private:
    CRecordArena m_arena;
};
