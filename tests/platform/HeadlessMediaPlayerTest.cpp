// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/HeadlessMediaPlayer.h"
#include "platform/MainThread.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Lets program time pass the way the message loop does: timers, then posted callbacks.
void Pass(VirtualClock& clock, int ms)
{
    for (int i = 0; i < ms; i += 10) {
        clock.Sleep(10);
        FireDueTimers();
        RunPostedCallbacks();
    }
}

std::string Seconds(double s)
{
    WaveData w;
    w.sampleRate = 8000;
    w.channels = 1;
    w.bitsPerSample = 8;
    w.samples.assign(static_cast<std::size_t>(8000 * s), '\x80');
    return BuildWave(w);
}

// The recording in a file: its format checked, its length in milliseconds.
int RecordedMs(const fs::path& file)
{
    std::string bytes;
    WaveData w;
    if (!ReadWholeFile(file, bytes) || !ParseWave(bytes, w))
        return -1;
    EXPECT_EQ(w.sampleRate, 22050);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_EQ(bytes.size(), 46 + w.samples.size());
    return w.DurationMs();
}

}  // namespace

TEST(HeadlessMediaPlayer, PlayingEndsAfterTheSoundsLengthWithOneNotification)
{
    ProgramSandbox box;
    box.Dir().Write("m.wav", Seconds(1.5));
    HeadlessMediaPlayer player;
    int notified = 0;
    player.OnNotify = [&] { ++notified; };
    EXPECT_EQ(player.Mode(), MediaMode::NotReady);
    ASSERT_TRUE(player.Open(box.Root() / "m.wav"));
    EXPECT_EQ(player.Length(), 1500);
    player.Notify = true;
    ASSERT_TRUE(player.Play());
    Pass(box.Clock(), 1490);
    EXPECT_EQ(player.Mode(), MediaMode::Playing);
    EXPECT_EQ(notified, 0);
    Pass(box.Clock(), 20);
    EXPECT_EQ(player.Mode(), MediaMode::Stopped);
    EXPECT_EQ(notified, 1);
    Pass(box.Clock(), 3000);
    EXPECT_EQ(notified, 1);

    // Without the flag the sound ends silently; a stopped sound never notifies.
    player.Notify = false;
    ASSERT_TRUE(player.Play());
    Pass(box.Clock(), 2000);
    EXPECT_EQ(player.Mode(), MediaMode::Stopped);
    player.Notify = true;
    ASSERT_TRUE(player.Play());
    Pass(box.Clock(), 500);
    player.Stop();
    Pass(box.Clock(), 2000);
    EXPECT_EQ(notified, 1);
}

TEST(HeadlessMediaPlayer, AnEndThatArrivesAfterARestartIsIgnored)
{
    ProgramSandbox box;
    box.Dir().Write("m.wav", Seconds(1));
    HeadlessMediaPlayer player;
    int notified = 0;
    player.OnNotify = [&] { ++notified; };
    ASSERT_TRUE(player.Open(box.Root() / "m.wav"));
    player.Notify = true;
    ASSERT_TRUE(player.Play());
    box.Clock().Sleep(1000);
    FireDueTimers();           // the end is posted...
    ASSERT_TRUE(player.Play());  // ...but the sound is started again before it is delivered
    RunPostedCallbacks();
    EXPECT_EQ(notified, 0);
    EXPECT_EQ(player.Mode(), MediaMode::Playing);
    Pass(box.Clock(), 1010);
    EXPECT_EQ(notified, 1);
}

TEST(HeadlessMediaPlayer, RecordsSilenceOfTheElapsedProgramTime)
{
    ProgramSandbox box;
    box.Dir().Write("Nagrane/Nagranie3.wav", EmptyRecordingWave());
    const fs::path file = box.Root() / "Nagrane" / "Nagranie3.wav";
    HeadlessMediaPlayer player;
    ASSERT_TRUE(player.Open(file));
    EXPECT_EQ(player.Length(), 0);
    ASSERT_TRUE(player.StartRecording(60000));
    EXPECT_EQ(player.Mode(), MediaMode::Recording);
    Pass(box.Clock(), 2500);
    EXPECT_EQ(player.Length(), 2500);
    player.Stop();
    EXPECT_EQ(player.Mode(), MediaMode::Stopped);
    EXPECT_TRUE(player.Save());
    EXPECT_EQ(RecordedMs(file), 2500);
    EXPECT_EQ(player.Length(), 2500);
    EXPECT_FALSE(fs::exists(file.string() + ".tmp"));

    // A second recording replaces the first, and can then be played.
    ASSERT_TRUE(player.StartRecording(60000));
    Pass(box.Clock(), 700);
    player.Stop();
    EXPECT_EQ(RecordedMs(file), 700);
    EXPECT_TRUE(player.Play());
}

TEST(HeadlessMediaPlayer, TheLimitStopsARecordingWithANotification)
{
    ProgramSandbox box;
    box.Dir().Write("r.wav", EmptyRecordingWave());
    HeadlessMediaPlayer player;
    int notified = 0;
    player.OnNotify = [&] {
        ++notified;
        EXPECT_EQ(player.Mode(), MediaMode::Stopped);
    };
    ASSERT_TRUE(player.Open(box.Root() / "r.wav"));
    player.Notify = true;
    ASSERT_TRUE(player.StartRecording(1000));
    Pass(box.Clock(), 990);
    EXPECT_EQ(notified, 0);
    Pass(box.Clock(), 2000);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(player.Mode(), MediaMode::Stopped);
    EXPECT_EQ(RecordedMs(box.Root() / "r.wav"), 1000);
}

TEST(HeadlessMediaPlayer, ClosingOrDestroyingMidRecordingLeavesACompleteFile)
{
    ProgramSandbox box;
    box.Dir().Write("a.wav", Seconds(3));
    box.Dir().Write("b.wav", Seconds(3));
    {
        HeadlessMediaPlayer player;
        ASSERT_TRUE(player.Open(box.Root() / "a.wav"));
        ASSERT_TRUE(player.StartRecording(60000));
        Pass(box.Clock(), 400);
        player.Close();
        EXPECT_EQ(player.Mode(), MediaMode::NotReady);
        ASSERT_TRUE(player.Open(box.Root() / "b.wav"));
        ASSERT_TRUE(player.StartRecording(60000));
        Pass(box.Clock(), 300);
    }
    EXPECT_EQ(RecordedMs(box.Root() / "a.wav"), 400);
    EXPECT_EQ(RecordedMs(box.Root() / "b.wav"), 300);
    // Nothing posted by the destroyed player may reach it.
    Pass(box.Clock(), 100);
}

TEST(HeadlessMediaPlayer, AFolderThatCannotBeWrittenKeepsThePreviousRecording)
{
    ProgramSandbox box;
    const std::string previous = Seconds(2);
    box.Dir().Write("Nagrane/n.wav", previous);
    const fs::path file = box.Root() / "Nagrane" / "n.wav";
    HeadlessMediaPlayer player;
    ASSERT_TRUE(player.Open(file));

    // No new file can be made beside it (as good as a read-only folder, even for root).
    {
        const NoNewFiles refused;
        EXPECT_FALSE(player.StartRecording(60000));
    }
    EXPECT_NE(player.ErrorMessage().find("folderze"_cp), std::string::npos);
    EXPECT_NE(player.ErrorMessage().find("Nagrane"), std::string::npos);
    EXPECT_EQ(player.Mode(), MediaMode::Stopped);
    EXPECT_EQ(box.Dir().Read("Nagrane/n.wav"), previous);

    // The write fails only when the recording ends (the disk is full): the
    // old file stays, Save can try again.
    ASSERT_TRUE(player.StartRecording(60000));
    EXPECT_TRUE(player.ErrorMessage().empty());
    Pass(box.Clock(), 600);
    {
        const FileSizeLimit full(100);
        player.Stop();
        EXPECT_FALSE(player.Save());
    }
    EXPECT_NE(player.ErrorMessage().find("Poprzednie nagranie"), std::string::npos);
    EXPECT_EQ(player.WriteProblem(), FileProblem::DiskFull);
    EXPECT_EQ(box.Dir().Read("Nagrane/n.wav"), previous);
    EXPECT_TRUE(player.Save());
    EXPECT_EQ(RecordedMs(file), 600);
}

TEST(HeadlessMediaPlayer, MissingAndDamagedFilesFailWithAReadableReason)
{
    ProgramSandbox box;
    box.Dir().Write("bad.wav", "RIFF\x04\0\0\0WAVE");
    HeadlessMediaPlayer player;
    EXPECT_FALSE(player.Play());
    EXPECT_FALSE(player.ErrorMessage().empty());
    EXPECT_FALSE(player.Open(box.Root() / "none.wav"));
    EXPECT_NE(player.ErrorMessage().find("none.wav"), std::string::npos);
    EXPECT_EQ(player.Mode(), MediaMode::NotReady);
    // A damaged file opens (it can be recorded over) but does not play.
    ASSERT_TRUE(player.Open(box.Root() / "bad.wav"));
    EXPECT_EQ(player.Length(), 0);
    EXPECT_FALSE(player.Play());
    EXPECT_NE(player.ErrorMessage().find("uszkodzony"), std::string::npos);
    ASSERT_TRUE(player.StartRecording(500));
    Pass(box.Clock(), 600);
    EXPECT_EQ(RecordedMs(box.Root() / "bad.wav"), 500);
}
