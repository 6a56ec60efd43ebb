#include "util/MapListStringID.h"

CMapListStringID::~CMapListStringID() {
    Close();
}

int CMapListStringID::Checked(const char* key, Value value, OnPresent onPresent) {
    if (!key)
        return -1;
    if (!value)
        return -2;
    if (m_bClosing)
        return -3;
    return Store(key, value, onPresent);
}

int CMapListStringID::Add(const char* key, Value value) {
    if (!key)
        return -1;
    if (!value)
        return -2;
    if (m_bClosing)
        return -3;
    velmar::detail::LockScope scope(m_lock);
    // Destruction may have begun while this call waited for the lock.
    if (m_bClosing)
        return -3;
    m_map.try_emplace(key, std::make_shared<velmar::detail::OwnedBlock>(value));
    return 1;
}
int CMapListStringID::AddSafety(const char* key, Value value) {
    return Checked(key, value, OnPresent::Free);
}
int CMapListStringID::Update(const char* key, Value value) {
    return Checked(key, value, OnPresent::HandBack);
}

int CMapListStringID::Remove(const char* key) {
    return key ? RemoveKey(key) : -1;
}

CMapListStringID::Value CMapListStringID::SearchByID(const char* key) {
    return key ? Search(key) : nullptr;
}

CMapListStringID::Value CMapListStringID::SearchOneByExtendedCallback(const Callback& callback) {
    return SearchBy(callback, [](int r) { return r > 0; });
}

CMapListStringID::Value CMapListStringID::GetNextIDUnsafety(const char* key) const {
    if (!key)
        return NextOf(nullptr);
    const std::string k(key);
    return NextOf(&k);
}

CMapListStringID::Value CMapListStringID::GetPrevIDUnsafety(const char* key) const {
    if (!key)
        return PrevOf(nullptr);
    const std::string k(key);
    return PrevOf(&k);
}
