#include <gtest/gtest.h>

#include <atomic>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "platform/MainThread.h"
#include "platform/SingleInstance.h"

namespace {

std::string UniqueName()
{
    static std::atomic<int> n{0};
    return "szeptaczki-test-" + std::to_string(::getpid()) + "-" + std::to_string(n++);
}

void Cleanup(const SingleInstance& s)
{
    std::error_code ec;
    std::filesystem::remove(s.LockPath(), ec);
}

}  // namespace

TEST(SingleInstance, OnlyOneCopyHoldsTheLockUntilItEnds)
{
    const std::string name = UniqueName();
    auto first = std::make_unique<SingleInstance>(name);
    ASSERT_TRUE(first->Acquire());
    EXPECT_TRUE(first->IsFirst());
    {
        SingleInstance second(name);
        EXPECT_FALSE(second.Acquire());
        EXPECT_FALSE(second.IsFirst());
        EXPECT_TRUE(std::filesystem::exists(second.SocketPath()));
    }
    // Another product name is a different lock.
    SingleInstance other(UniqueName());
    EXPECT_TRUE(other.Acquire());
    first.reset();
    SingleInstance third(name);
    EXPECT_TRUE(third.Acquire());
    Cleanup(third);
    Cleanup(other);
}

TEST(SingleInstance, TheSecondCopyAsksTheFirstToRaiseItsWindow)
{
    RunPostedCallbacks();
    const std::string name = UniqueName();
    SingleInstance first(name);
    ASSERT_TRUE(first.Acquire());
    int raised = 0;
    first.SetOnRaiseRequest([&] { ++raised; });

    SingleInstance second(name);
    ASSERT_FALSE(second.Acquire());
    EXPECT_TRUE(second.AskFirstToRaise());
    EXPECT_EQ(raised, 0);  // delivered on the user-interface thread, not on the listener's
    RunPostedCallbacks();
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(second.AskFirstToRaise());
    RunPostedCallbacks();
    EXPECT_EQ(raised, 2);
    Cleanup(first);
}

TEST(SingleInstance, NoAnswerWhenTheFirstCopyIsGoneOrMuteAndAStaleSocketIsReplaced)
{
    RunPostedCallbacks();
    const std::string name = UniqueName();
    SingleInstance asker(name);
    EXPECT_FALSE(asker.AskFirstToRaise(100));

    // A copy that has its socket but never answers (hung, say); it crashes afterwards,
    // leaving the socket file behind.
    const int mute = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, asker.SocketPath().c_str());
    ASSERT_EQ(::bind(mute, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(mute, 4), 0);
    EXPECT_FALSE(asker.AskFirstToRaise(200));
    ::close(mute);
    EXPECT_FALSE(asker.AskFirstToRaise(100));

    SingleInstance first(name);
    ASSERT_TRUE(first.Acquire());
    int raised = 0;
    first.SetOnRaiseRequest([&] { ++raised; });
    EXPECT_TRUE(asker.AskFirstToRaise());
    RunPostedCallbacks();
    EXPECT_EQ(raised, 1);
    Cleanup(first);
}

TEST(SingleInstance, ARequestPostedBeforeTheFirstCopyEndedIsDroppedSafely)
{
    RunPostedCallbacks();
    const std::string name = UniqueName();
    int raised = 0;
    {
        SingleInstance first(name);
        ASSERT_TRUE(first.Acquire());
        first.SetOnRaiseRequest([&] { ++raised; });
        SingleInstance second(name);
        EXPECT_TRUE(second.AskFirstToRaise());
        Cleanup(first);
    }
    RunPostedCallbacks();
    EXPECT_EQ(raised, 0);
    // With the first copy gone nobody answers.
    SingleInstance later(name);
    EXPECT_FALSE(later.AskFirstToRaise(100));
}
