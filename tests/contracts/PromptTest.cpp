#include "contracts/Prompt.h"

#include <gtest/gtest.h>

TEST(Prompt, ScriptedAnswersInOrderAndRecordsQuestions) {
    CScriptedPrompt prompt;
    prompt.ExpectAnswer(true);
    prompt.ExpectAnswer(false);
    EXPECT_TRUE(prompt.AskYesNo("one"));
    EXPECT_FALSE(prompt.AskYesNo("two"));
    EXPECT_FALSE(prompt.AskYesNo("three")) << "an unscripted question is answered No";
    EXPECT_EQ(prompt.Asked(), (std::vector<std::string>{"one", "two", "three"}));
    prompt.Inform("done");
    EXPECT_EQ(prompt.Informed(), (std::vector<std::string>{"done"}));
    EXPECT_TRUE(prompt.Asked().size() == 3) << "messages are not questions";
    EXPECT_TRUE(CFixedAnswerPrompt(true).AskYesNo("x"));
}
