// The working copy across sessions: one left by an editor that ended without
// deleting it is found at the next start and offered (open or discard); one
// that a running editor holds is left alone.
#include "document/WorkingCopy.h"
#include "tests/image/ImageBuilder.h"

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;

class WorkingCopy : public CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        m_tmp = Path("tmp");
        fs::create_directories(m_tmp);
    }
    void TearDown() override {
        DeleteWorkingCopy();
        CodecTest::TearDown();
    }
    // A copy as a session leaves it: "ZO??????.tmp", in the working form.
    fs::path Leftover(const char* name, const std::string& channelName) {
        Image img(Profile{}.FlashSize());
        img.PutText(2, channelName); // the first favourite list's name
        WriteFile(m_tmp / name, img.Bytes());
        ::chmod((m_tmp / name).c_str(), 0600);
        return m_tmp / name;
    }
    fs::path m_tmp;
};

} // namespace

TEST_F(WorkingCopy, OnlyUnheldCopiesInTheWorkingFormAreFound) {
    const auto left = Leftover("ZOab12cd.tmp", "Left");
    Leftover("ZOtoolong1.tmp", "Other");          // not a name the program gives
    WriteFile(m_tmp / "ZOxyzxyz.tmp", {1, 2, 3}); // not a working copy
    const auto held = Leftover("ZOheld00.tmp", "Held");
    const int fd = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0); // as a running editor holds its copy
    EXPECT_EQ(FindAbandonedWorkingCopies(m_tmp.string()), std::vector<std::string>{left.string()});
    ::close(fd);
    EXPECT_EQ(FindAbandonedWorkingCopies(m_tmp.string()).size(), 2u) << "released: found";

    // Our own working copy is held: never offered to ourselves.
    ASSERT_TRUE(CreateWorkingCopy(m_tmp.string()));
    WriteFile(g_szWorkImagePath, Image(100).Bytes());
    for (const auto& path : FindAbandonedWorkingCopies(m_tmp.string()))
        EXPECT_NE(path, g_szWorkImagePath);
    const fs::path own = g_szWorkImagePath;
    DeleteWorkingCopy();
    EXPECT_FALSE(fs::exists(own));
    EXPECT_EQ(g_szWorkImagePath[0], '\0');
}

TEST_F(WorkingCopy, ACopyLeftByACrashedEditorIsOfferedAndOpened) {
    // A child process plays the editor: it makes its working copy, fills it,
    // stops, and is killed before it could delete it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Image img(Profile{}.FlashSize());
        img.PutText(2, "Received");
        if (!CreateWorkingCopy(m_tmp.string()) || !ReplaceWorkingCopy(img.Bytes()))
            ::_exit(2);
        ::raise(SIGSTOP);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, WUNTRACED), child);
    ASSERT_TRUE(WIFSTOPPED(status)) << "the child made no working copy: " << status;
    EXPECT_TRUE(FindAbandonedWorkingCopies(m_tmp.string()).empty()) << "its editor still runs";

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const auto found = FindAbandonedWorkingCopies(m_tmp.string());
    ASSERT_EQ(found.size(), 1u) << "the lock died with the process";

    ASSERT_TRUE(CreateWorkingCopy(Path("").parent_path().string()));
    CScriptedPrompt answers;
    answers.ExpectAnswer(true);
    EXPECT_EQ(OfferWorkingCopyRecovery(answers, m_tmp.string()), 1);
    ASSERT_EQ(answers.Asked().size(), 1u);
    EXPECT_NE(answers.Asked()[0].find(found[0]), std::string::npos) << answers.Asked()[0];
    EXPECT_NE(answers.Asked()[0].find("Open it? (Yes opens it, No deletes it.)"),
              std::string::npos);
    EXPECT_STREQ(db.Get<FavoriteList>(kTableFavorite, 1)->Name, "Received");
    EXPECT_FALSE(fs::exists(found[0])) << "its contents are the working copy now";
    EXPECT_EQ(ReadFile(g_szWorkImagePath).size(), 86u + Profile{}.FlashSize());
}

TEST_F(WorkingCopy, NoDiscardsTheLeftoverAndNothingIsLoaded) {
    const auto left = Leftover("ZOdead00.tmp", "Gone");
    CScriptedPrompt answers;
    answers.ExpectAnswer(false);
    EXPECT_EQ(OfferWorkingCopyRecovery(answers, m_tmp.string()), -1);
    EXPECT_FALSE(fs::exists(left));
    EXPECT_EQ(db.Size(kTableFavorite), 0u);
    EXPECT_EQ(OfferWorkingCopyRecovery(answers, m_tmp.string()), -1);
    EXPECT_EQ(answers.Asked().size(), 1u) << "asked once, then nothing is left";
}
