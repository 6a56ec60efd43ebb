// Record allocation for the table store. Records are allocated at their exact
// size with the array form of new, zero-filled, and freed by the store once
// handed over. Each allocation remembers its size, so a row in the store
// knows how many bytes it has (snapshots copy rows without knowing types).
// RecordPtr holds a record that has not been handed over yet.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>

// `size` zero bytes; free with FreeRecordBytes.
void* AllocRecordBytes(std::size_t size);
void FreeRecordBytes(void* record) noexcept;
// The size AllocRecordBytes was given for `record`; 0 for null.
std::size_t RecordBytes(const void* record) noexcept;

struct RecordDeleter {
    void operator()(void* record) const noexcept { FreeRecordBytes(record); }
};

template <class T> using RecordPtr = std::unique_ptr<T, RecordDeleter>;

// A zero-filled record of type T, owned by the returned pointer.
template <class T> RecordPtr<T> NewRecord() {
    static_assert(std::is_trivially_copyable_v<T> && std::is_standard_layout_v<T>,
                  "store records are plain fixed-layout structures");
    return RecordPtr<T>(new (AllocRecordBytes(sizeof(T))) T{});
}

// A zero-filled copy of `source`, for callers that duplicate a row.
template <class T> RecordPtr<T> CopyRecord(const T& source) {
    auto copy = NewRecord<T>();
    *copy = source;
    return copy;
}
