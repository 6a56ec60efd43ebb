#include "contracts/Prompt.h"
#include "contracts/Texts.h"
#include "image/ChannelFile.h"

#include <gtest/gtest.h>

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
    const auto& shown = prompt.AllShown();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(shown[0].icon, PromptIcon::Question);
    EXPECT_EQ(shown[1].buttons, PromptButtons::YesNo);
    EXPECT_EQ(shown[1].icon, PromptIcon::Question);
    EXPECT_EQ(shown[2].icon, PromptIcon::Stop) << "the header question has a stop icon";
    EXPECT_EQ(shown[4].text, "failed");
    EXPECT_EQ(shown[4].buttons, PromptButtons::Ok);
    EXPECT_EQ(shown[4].icon, PromptIcon::Stop);
    EXPECT_EQ(shown[5].icon, PromptIcon::Information);
    EXPECT_EQ(prompt.Informed(), (std::vector<std::string>{"failed", "note"}));
    EXPECT_EQ(prompt.Asked().size(), 4u);

    CFixedAnswerPrompt yes(true), no(false);
    EXPECT_TRUE(yes.AskYesNo("x"));
    EXPECT_EQ(yes.AskYesNoCancel("x"), PromptAnswer::Yes);
    EXPECT_EQ(no.AskYesNoCancel("x"), PromptAnswer::No);
    EXPECT_EQ(no.Ask("x", PromptButtons::Ok, PromptIcon::None), PromptAnswer::Ok);
}

TEST(Texts, TheCodecAsksWithTheSharedWording) {
    EXPECT_EQ(std::string_view(kHeaderQuestion), std::string_view(texts::kHeaderQuestion));
    EXPECT_EQ(std::string_view(texts::kFavoriteNameSize),
              "Cannot change Favorite name. mismatch string size");
}
