// Map from a zero-terminated byte-string key (copied, ordered by its bytes)
// to an owned value block, with an event lock.
#pragma once

#include "util/MapListBase.h"

#include <string>

class CMapListStringID : public velmar::detail::MapListBase<std::string> {
public:
    CMapListStringID() = default;
    CMapListStringID(const CMapListStringID&) = default;
    CMapListStringID& operator=(const CMapListStringID&) = default;
    ~CMapListStringID() override;

    // 1 on success; -1 null key, -2 null value, -3 closing.
    int Add(const char* key, Value value);
    int AddSafety(const char* key, Value value);
    int Update(const char* key, Value value);
    // 1 removed; -1 null key, -2 closing or key missing, -3 empty.
    int Remove(const char* key);
    Value SearchByID(const char* key);
    // First value (in key order) for which the callback returns a value above 0.
    Value SearchOneByExtendedCallback(const Callback& callback);
    Value GetNextIDUnsafety(const char* key) const;
    Value GetPrevIDUnsafety(const char* key) const;
    static unsigned MaxListSize() { return 0x7FFFFFF; }

private:
    int Checked(const char* key, Value value, OnPresent onPresent);
};
