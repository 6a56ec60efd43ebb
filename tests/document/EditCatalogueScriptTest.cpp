// The catalogue of named edits: one name and one id each, in order, and for
// each the script words that run it or, where there are none or two entries
// share them, a note on which case is which. That every entry with script
// words runs under its name from a line starting with them, renewing keys as
// it says, is checked on every edit of the random runs of
// HistoryPropertyTest.
#include "document/EditCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

TEST(EditCatalogue, EntriesHaveOneNameEachAndSayHowTheScriptReachesThem) {
    std::set<std::string_view> names;
    std::size_t i = 0;
    for (const EditEntry& e : EditCatalogue()) {
        SCOPED_TRACE(std::string(e.name));
        EXPECT_EQ(static_cast<std::size_t>(e.id), i++);
        EXPECT_FALSE(e.name.empty());
        EXPECT_TRUE(names.insert(e.name).second) << "two edits share the name";
        EXPECT_NE(e.tables, 0u);
        if (e.script.empty()) {
            EXPECT_FALSE(e.scriptNote.empty()) << "no script words and no word on what instead";
        }
        // Words that two entries share say which case is which.
        for (const EditEntry& other : EditCatalogue()) {
            if (other.id != e.id && !e.script.empty() && other.script == e.script) {
                EXPECT_FALSE(e.scriptNote.empty()) << "shares " << e.script;
            }
        }
    }
    EXPECT_EQ(i, kEditCount);
    EXPECT_EQ(FindScriptEdit("drop broadcast"), &Catalogue(EditId::SetBroadcaster));
    EXPECT_EQ(FindScriptEdit("drop"), nullptr);
    EXPECT_EQ(FindScriptEdit(""), nullptr);
}
