#include "util/MapListIntegerID.h"

CMapListIntegerID::~CMapListIntegerID() {
    Close();
}

int CMapListIntegerID::Checked(std::uint32_t key, Value value, OnPresent onPresent) {
    if (key == 0)
        return -1;
    if (!value)
        return -2;
    if (m_bClosing)
        return -3;
    return Store(key, value, onPresent);
}

int CMapListIntegerID::Add(std::uint32_t key, Value value) {
    return Checked(key, value, OnPresent::Keep);
}
int CMapListIntegerID::AddSafety(std::uint32_t key, Value value) {
    return Checked(key, value, OnPresent::Free);
}
int CMapListIntegerID::Update(std::uint32_t key, Value value) {
    return Checked(key, value, OnPresent::HandBack);
}

int CMapListIntegerID::Remove(std::uint32_t key) {
    return key == 0 ? -1 : RemoveKey(key);
}

CMapListIntegerID::Value CMapListIntegerID::SearchByID(std::uint32_t key) {
    return key == 0 ? nullptr : Search(key);
}

CMapListIntegerID::Value CMapListIntegerID::SearchOneByExtendedCallback(const Callback& callback) {
    return SearchBy(callback, [](int r) { return r != 0; });
}

CMapListIntegerID::Value CMapListIntegerID::GetNextIDUnsafety(std::uint32_t key) const {
    return NextOf(key == 0 ? nullptr : &key);
}

CMapListIntegerID::Value CMapListIntegerID::GetPrevIDUnsafety(std::uint32_t key) const {
    return PrevOf(key == 0 ? nullptr : &key);
}
