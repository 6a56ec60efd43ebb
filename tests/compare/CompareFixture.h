// Two copies of the example image side by side, for comparing and merging:
// `a` and `b` are documents of their own, the current document is `a`'s
// store's twin in tests that run edits.
#pragma once

#include "compare/ListCompare.h"
#include "document/Document.h"
#include "document/EditSession.h"
#include "model/ChannelIdentity.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "tests/image/ImageBuilder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::test {

// A difference as velmar-cli says it, in English.
struct Said {
    DifferenceKind kind;
    std::uint32_t keyA, keyB;
    std::string subject, a, b;
};

inline Said InEnglish(const Difference& d) {
    return {d.kind, d.keyA, d.keyB, English(d.subject), English(d.a), English(d.b)};
}

// The differences of one kind, in the report's order.
inline std::vector<Said> OfKind(const Comparison& c, DifferenceKind kind) {
    std::vector<Said> out;
    for (const Difference& d : c.differences)
        if (d.kind == kind)
            out.push_back(InEnglish(d));
    return out;
}

// The image bytes a save of the current tables makes: equal bytes, equal lists.
inline std::vector<BYTE> Saved(CDocument& doc) {
    std::vector<BYTE> out;
    EXPECT_TRUE(EncodeImage(doc, true, out));
    return out;
}

inline const std::string kExample = std::string(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin";

class TwoLists : public CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        Open(kExample);
    }
    // Both documents read from the image at `path`.
    void Open(const std::string& path) {
        const ImageStateValues start;
        ASSERT_EQ(ReadImageDocument(path, ImageForm::Convert, start, a), 1);
        ASSERT_EQ(ReadImageDocument(path, ImageForm::Convert, start, b), 1);
    }

    // The first row of `table` in `doc` that `is` picks; the test fails without one.
    template <class T, class Pick> static T& First(CDocument& doc, std::uint8_t table, Pick is) {
        for (auto& row : doc.Store().Rows<T>(table))
            if (is(row))
                return row;
        throw std::runtime_error("no such row in table " + std::to_string(table));
    }
    static Channel_Info_Tag& Channel(CDocument& doc, std::string_view name) {
        return First<Channel_Info_Tag>(doc, kTableChannel,
                                       [&](auto& c) { return NameOf(c) == name; });
    }
    static Satellite_Info_Tag& Satellite(CDocument& doc, BYTE id) {
        return First<Satellite_Info_Tag>(doc, kTableSatellite, [&](auto& s) { return s.ID == id; });
    }
    static Transponder_Info_Tag& Transponder(CDocument& doc, BYTE satID, BYTE tpid) {
        return First<Transponder_Info_Tag>(
            doc, kTableTransponder, [&](auto& t) { return t.SatID == satID && t.TPID == tpid; });
    }
    static std::uint32_t AddSatellite(CDocument& doc, BYTE id, WORD degree, const char* name) {
        auto s = NewRecord<Satellite_Info_Tag>();
        s->ID = id;
        s->Degree = degree;
        std::strncpy(s->Name, name, sizeof s->Name - 1);
        return static_cast<std::uint32_t>(doc.Store().AddIndexed(kTableSatellite, std::move(s)));
    }
    static std::uint32_t AddTransponder(CDocument& doc, BYTE satID, BYTE tpid, WORD frequency,
                                        bool horizontal, WORD symbolRate = 27500) {
        auto t = NewRecord<Transponder_Info_Tag>();
        t->SatID = satID;
        t->TPID = tpid;
        t->Frequency = frequency;
        t->SymbolRate = symbolRate;
        t->PolFEC = static_cast<BYTE>((horizontal ? 1 : 0) | 0x30);
        return static_cast<std::uint32_t>(doc.Store().AddIndexed(kTableTransponder, std::move(t)));
    }
    static std::uint32_t AddChannel(CDocument& doc, const char* name, BYTE satID, BYTE tpid,
                                    WORD serviceID, WORD number, bool tv = true) {
        auto c = NewRecord<Channel_Info_Tag>();
        std::strncpy(c->Name, name, sizeof c->Name - 1);
        c->SatID = satID;
        c->TPID = tpid;
        // Service id 0: a channel without ids, paired by its name only.
        c->ServiceID = serviceID;
        c->OrgNetID = serviceID ? 1 : 0;
        c->TSID = serviceID ? 7000 : 0;
        c->ProgramNum = number;
        c->Attributes = tv ? kAttrTV : kAttrRadio;
        return static_cast<std::uint32_t>(doc.Store().AddIndexed(kTableChannel, std::move(c)));
    }

    CDocument a, b;
};

// TwoLists whose `a` becomes the current document (call Edit), edited
// through `session` as the editor's is.
class EditedLists : public TwoLists {
protected:
    void Edit() {
        CDocument::MakeCurrent(a);
        session.StartFresh();
    }
    CDocument& here = CDocument::Current();
    EditSession session{here};
};

} // namespace velmar::test
