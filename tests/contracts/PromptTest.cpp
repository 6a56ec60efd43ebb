#include "contracts/Prompt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Each of the core's boxes is one Ask with its buttons and icon; the scripted
// answers the core's tests rely on are read by the box they are given to.
TEST(Prompt, OneAskCoversEveryBoxTheCoreShows) {
    CScriptedPrompt prompt;
    prompt.ExpectAnswer(PromptAnswer::Cancel);
    prompt.ExpectAnswer(PromptAnswer::Yes);
    prompt.ExpectAnswer(PromptAnswer::Cancel); // not a button of a Yes/No box
    EXPECT_EQ(prompt.AskYesNoCancel("save?"), PromptAnswer::Cancel);
    EXPECT_TRUE(prompt.Confirm("delete?"));
    EXPECT_FALSE(prompt.AskYesNo("continue?")) << "Cancel on Yes/No reads as No";
    EXPECT_EQ(prompt.AskYesNoCancel("again?"), PromptAnswer::Cancel)
        << "an unscripted Yes/No/Cancel is cancelled";
    prompt.Error("failed");
    prompt.Inform("note", PromptIcon::Information);
    // Buttons (Ok 0, YesNo 1, YesNoCancel 2) and icon (None 0, Information 1,
    // Question 2, Stop 3) of each box in order.
    std::string boxes;
    for (const auto& shown : prompt.AllShown())
        boxes += std::to_string(int(shown.buttons)) + std::to_string(int(shown.icon)) + " ";
    EXPECT_EQ(boxes, "22 12 13 22 03 01 ") << "the header question has a stop icon";
    EXPECT_EQ(prompt.Informed(), (std::vector<std::string>{"failed", "note"}));
    EXPECT_EQ(prompt.Asked().size(), 4u);

    CFixedAnswerPrompt yes(true), no(false);
    EXPECT_TRUE(yes.AskYesNo("x"));
    EXPECT_EQ(no.AskYesNoCancel("x"), PromptAnswer::No);
    EXPECT_EQ(no.Ask("x", PromptButtons::Ok, PromptIcon::None), PromptAnswer::Ok);
}
