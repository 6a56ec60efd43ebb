// Map from a non-zero 32-bit key to an owned value block, with an event lock.
#pragma once

#include "util/MapListBase.h"

class CMapListIntegerID : public velmar::detail::MapListBase<std::uint32_t> {
public:
    CMapListIntegerID() = default;
    CMapListIntegerID(const CMapListIntegerID&) = default;
    CMapListIntegerID& operator=(const CMapListIntegerID&) = default;
    ~CMapListIntegerID() override;

    // 1 on success; -1 key 0, -2 null value, -3 closing.
    int Add(std::uint32_t key, Value value);
    int AddSafety(std::uint32_t key, Value value);
    int Update(std::uint32_t key, Value value);
    // 1 removed; -1 key 0, -2 closing or key missing, -3 empty.
    int Remove(std::uint32_t key);
    Value SearchByID(std::uint32_t key);
    // First value (in key order) for which the callback returns non-zero.
    Value SearchOneByExtendedCallback(const Callback& callback);
    Value GetNextIDUnsafety(std::uint32_t key) const;
    Value GetPrevIDUnsafety(std::uint32_t key) const;
    static unsigned MaxListSize() { return 0x1FFFFFFF; }

private:
    int Checked(std::uint32_t key, Value value, OnPresent onPresent);
};
