// The record a maker dialog edits: the record it was given (if any) and
// the record as the form holds it now, which the dialog hands back whole.
#pragma once

#include <optional>

template <class Record> class CRecordForm {
public:
    // A null record gives the dialog nothing (a New); the form starts zeroed.
    void Set(const Record* record) {
        if (record) {
            m_preset = *record;
            m_current = *record;
        }
    }
    // What the user leaves in the form.
    void Answer(const Record& record) { m_current = record; }
    const Record& Current() const { return m_current; }
    const std::optional<Record>& Preset() const { return m_preset; }

private:
    std::optional<Record> m_preset;
    Record m_current{};
};
