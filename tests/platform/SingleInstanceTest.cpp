// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "platform/MainThread.h"
#include "platform/SingleInstance.h"
#include "tests/TestSupport.h"

namespace {

const std::string kProduct = "szeptaczki-test";

std::string UniqueName()
{
    static std::atomic<int> n{0};
    return "szeptaczki-test-" + std::to_string(::getpid()) + "-" + std::to_string(n++);
}

}  // namespace

TEST(SingleInstance, OneCopyPerFolderHowEverItsPathIsSpelledAndTheLockGoesWithIt)
{
    TempDir dir, other;
    std::filesystem::create_directories(dir.Path() / "child");
    std::filesystem::create_symlink(dir.Path(), other.Path() / "link");
    auto first = std::make_unique<SingleInstance>(kProduct, dir.Path());
    ASSERT_TRUE(first->Acquire());
    EXPECT_TRUE(first->IsFirst());
    for (const std::filesystem::path& spelling :
         {dir.Path() / "", dir.Path() / "child" / "..", other.Path() / "link", other.Path() / "link" / "."}) {
        SingleInstance second(kProduct, spelling);
        EXPECT_FALSE(second.Acquire()) << spelling;
        EXPECT_FALSE(second.IsFirst());
        EXPECT_TRUE(std::filesystem::exists(second.SocketPath()));
    }
    // Another folder, or another product, is a different lock.
    SingleInstance elsewhere(kProduct, other.Path());
    EXPECT_TRUE(elsewhere.Acquire());
    SingleInstance product(UniqueName(), dir.Path());
    EXPECT_TRUE(product.Acquire());
    const std::filesystem::path lock = first->LockPath();
    first.reset();
    // Nothing is left behind by a copy that ended.
    EXPECT_FALSE(std::filesystem::exists(lock));
    SingleInstance third(kProduct, dir.Path() / "child" / "..");
    EXPECT_TRUE(third.Acquire());
}

TEST(SingleInstance, TheSecondCopyAsksTheFirstToRaiseItsWindow)
{
    RunPostedCallbacks();
    const std::string name = UniqueName();
    SingleInstance first(name, "/");
    ASSERT_TRUE(first.Acquire());
    int raised = 0;
    first.SetOnRaiseRequest([&] { ++raised; });

    SingleInstance second(name, "/");
    ASSERT_FALSE(second.Acquire());
    EXPECT_TRUE(second.AskFirstToRaise());
    EXPECT_EQ(raised, 0);  // delivered on the user-interface thread, not on the listener's
    RunPostedCallbacks();
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(second.AskFirstToRaise());
    RunPostedCallbacks();
    EXPECT_EQ(raised, 2);
}

TEST(SingleInstance, NoAnswerWhenTheFirstCopyIsGoneOrMuteAndAStaleSocketIsReplaced)
{
    RunPostedCallbacks();
    const std::string name = UniqueName();
    SingleInstance asker(name, "/");
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

    SingleInstance first(name, "/");
    ASSERT_TRUE(first.Acquire());
    int raised = 0;
    first.SetOnRaiseRequest([&] { ++raised; });
    EXPECT_TRUE(asker.AskFirstToRaise());
    RunPostedCallbacks();
    EXPECT_EQ(raised, 1);
}

TEST(SingleInstance, ARequestPostedBeforeTheFirstCopyEndedIsDroppedSafely)
{
    RunPostedCallbacks();
    const std::string name = UniqueName();
    int raised = 0;
    {
        SingleInstance first(name, "/");
        ASSERT_TRUE(first.Acquire());
        first.SetOnRaiseRequest([&] { ++raised; });
        SingleInstance second(name, "/");
        EXPECT_TRUE(second.AskFirstToRaise());
    }
    RunPostedCallbacks();
    EXPECT_EQ(raised, 0);
    // With the first copy gone nobody answers.
    SingleInstance later(name, "/");
    EXPECT_FALSE(later.AskFirstToRaise(100));
}
