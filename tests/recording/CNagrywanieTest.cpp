// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/MainThread.h"
#include "platform/Paths.h"
#include "platform/SoundServices.h"
#include "platform/WaveFile.h"
#include "recording/CNagrywanie.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Program time passing the way the message loop lets it: timers, then posted callbacks.
void Pass(VirtualClock& clock, int ms)
{
    for (int i = 0; i < ms; i += 10) {
        clock.Sleep(10);
        FireDueTimers();
        RunPostedCallbacks();
    }
}

// Length in milliseconds of the recording in a file, or -1 when it is no
// complete recording wave.
int RecordedMs(const fs::path& file)
{
    std::string bytes;
    WaveData w;
    if (!ReadWholeFile(file, bytes) || !ParseWave(bytes, w))
        return -1;
    if (w.sampleRate != kRecordingRate || w.channels != 1 || w.bitsPerSample != 16 ||
        bytes.size() != 46 + w.samples.size())
        return -1;
    return w.DurationMs();
}

std::string Tone(int ms)
{
    WaveData w;
    w.sampleRate = 8000;
    w.channels = 1;
    w.bitsPerSample = 8;
    w.samples.assign(static_cast<std::size_t>(8 * ms), '\x80');
    return BuildWave(w);
}

// A recorder as the main menu wires it: both ends run the stop action.
struct Recorder {
    int recordEnds = 0;
    int playEnds = 0;
    CNagrywanie rec{[this] { ++recordEnds; MenuStop(); }, [this] { ++playEnds; MenuStop(); }};

    void MenuStop()
    {
        rec.Stop();
        rec.Close();
    }
};

class CNagrywanieTest : public ::testing::Test {
protected:
    CNagrywanieTest() { InstallHeadlessSound(); }

    fs::path Slot(int n) const { return box.Root() / "Nagrane" / ("Nagranie" + std::to_string(n) + ".wav"); }
    std::string SlotName(int n) const { return "Nagrane\\Nagranie" + std::to_string(n) + ".wav"; }

    ProgramSandbox box;
};

}  // namespace

TEST_F(CNagrywanieTest, OpeningANewSlotMakesTheEmptyRecordingFileAndKeepsAnExistingOne)
{
    Recorder r;
    ASSERT_TRUE(r.rec.Open(SlotName(3)));
    EXPECT_TRUE(r.rec.IsOpen());
    EXPECT_EQ(box.Dir().Read("Nagrane/Nagranie3.wav"), EmptyRecordingWave());

    box.Dir().Write("Nagrane/Nagranie4.wav", Tone(700));
    ASSERT_TRUE(r.rec.Open(SlotName(4)));
    EXPECT_EQ(box.Dir().Read("Nagrane/Nagranie4.wav"), Tone(700));

    // The folder is made again when it went away while the program ran.
    fs::remove_all(box.Root() / "Nagrane");
    EXPECT_TRUE(r.rec.Open(SlotName(5)));
    EXPECT_EQ(box.Dir().Read("Nagrane/Nagranie5.wav"), EmptyRecordingWave());
}

TEST_F(CNagrywanieTest, RecordingStopsByItselfAtTheLimitAndCallsTheRecordEndHandler)
{
    Recorder r;
    r.rec.MusicOn();
    ASSERT_TRUE(r.rec.Open(SlotName(7)));
    EXPECT_FALSE(r.rec.Busy());
    ASSERT_TRUE(r.rec.Record(60000));
    EXPECT_TRUE(r.rec.IsRecording());
    EXPECT_TRUE(r.rec.Busy());
    EXPECT_TRUE(r.rec.Record(60000));  // a second start leaves the running one alone

    Pass(box.Clock(), 59990);
    EXPECT_TRUE(r.rec.IsRecording());
    EXPECT_EQ(r.recordEnds, 0);
    Pass(box.Clock(), 20);
    EXPECT_EQ(r.recordEnds, 1);
    EXPECT_EQ(r.playEnds, 0);
    EXPECT_FALSE(r.rec.IsRecording());
    EXPECT_FALSE(r.rec.IsOpen());
    EXPECT_FALSE(r.rec.Busy());
    EXPECT_FALSE(r.rec.SaveFailed());
    EXPECT_EQ(RecordedMs(Slot(7)), 60000);

    Pass(box.Clock(), 2000);
    EXPECT_EQ(r.recordEnds, 1);
}

TEST_F(CNagrywanieTest, TheEndIsHandledFiveMillisecondsAfterThePlayerReportsIt)
{
    int64_t handledAt = -1;
    CNagrywanie rec([&] { handledAt = TheClock().Milliseconds(); }, {});
    ASSERT_TRUE(rec.Open(SlotName(1)));
    ASSERT_TRUE(rec.Record(1000));
    box.Clock().Sleep(1000);
    FireDueTimers();
    const int64_t reportedAt = TheClock().Milliseconds();
    RunPostedCallbacks();
    EXPECT_EQ(handledAt, reportedAt + 5);
    EXPECT_EQ(RecordedMs(Slot(1)), 1000);
}

TEST_F(CNagrywanieTest, StopMidRecordingWritesACompleteWaveThatPlaysToItsEnd)
{
    Recorder r;
    ASSERT_TRUE(r.rec.Open(SlotName(2)));
    ASSERT_TRUE(r.rec.Record(60000));
    Pass(box.Clock(), 2500);
    r.rec.Stop();
    EXPECT_FALSE(r.rec.IsRecording());
    EXPECT_TRUE(r.rec.IsOpen());
    EXPECT_EQ(RecordedMs(Slot(2)), 2500);
    Pass(box.Clock(), 60000);
    EXPECT_EQ(r.recordEnds, 0);  // a stop is not an end the menu must be told of

    ASSERT_TRUE(r.rec.Play());
    EXPECT_TRUE(r.rec.IsPlaying());
    EXPECT_FALSE(r.rec.HasError());
    Pass(box.Clock(), 2490);
    EXPECT_EQ(r.playEnds, 0);
    Pass(box.Clock(), 20);
    EXPECT_EQ(r.playEnds, 1);
    EXPECT_EQ(r.recordEnds, 0);
    EXPECT_FALSE(r.rec.IsPlaying());
    EXPECT_FALSE(r.rec.IsOpen());
}

TEST_F(CNagrywanieTest, ANewRecordingReplacesTheOldOneButAFailedOneLeavesItIntact)
{
    Recorder r;
    ASSERT_TRUE(r.rec.Open(SlotName(3)));
    ASSERT_TRUE(r.rec.Record(60000));
    Pass(box.Clock(), 3000);
    r.MenuStop();
    ASSERT_TRUE(r.rec.Open(SlotName(3)));
    ASSERT_TRUE(r.rec.Record(60000));
    Pass(box.Clock(), 1500);
    r.MenuStop();
    EXPECT_EQ(RecordedMs(Slot(3)), 1500);
    const std::string previous = box.Dir().Read("Nagrane/Nagranie3.wav");

    // Nothing can be written beside the file: the recording cannot start.
    ASSERT_TRUE(r.rec.Open(SlotName(3)));
    {
        const NoNewFiles refused;
        EXPECT_FALSE(r.rec.Record(60000));
    }
    EXPECT_TRUE(r.rec.HasError());
    EXPECT_FALSE(r.rec.ErrorText().empty());
    EXPECT_FALSE(r.rec.IsRecording());
    Pass(box.Clock(), 61000);
    EXPECT_EQ(r.recordEnds, 0);
    EXPECT_EQ(box.Dir().Read("Nagrane/Nagranie3.wav"), previous);

    // The recording starts but cannot be written when it ends (the disk is full).
    ASSERT_TRUE(r.rec.Open(SlotName(3)));
    ASSERT_TRUE(r.rec.Record(2000));
    {
        const FileSizeLimit full(100);
        Pass(box.Clock(), 2010);
    }
    EXPECT_EQ(r.recordEnds, 1);
    EXPECT_TRUE(r.rec.SaveFailed());
    EXPECT_EQ(r.rec.WriteProblem(), FileProblem::DiskFull);
    EXPECT_EQ(box.Dir().Read("Nagrane/Nagranie3.wav"), previous);
    EXPECT_EQ(RecordedMs(Slot(3)), 1500);
}

TEST_F(CNagrywanieTest, RecordingAndPlayingStopEachOther)
{
    Recorder r;
    box.Dir().Write("Nagrane/Nagranie6.wav", Tone(3000));
    ASSERT_TRUE(r.rec.Open(SlotName(6)));
    ASSERT_TRUE(r.rec.Play());
    Pass(box.Clock(), 1000);
    ASSERT_TRUE(r.rec.Record(60000));
    EXPECT_FALSE(r.rec.IsPlaying());
    Pass(box.Clock(), 3000);
    EXPECT_EQ(r.playEnds, 0);
    ASSERT_TRUE(r.rec.Play());  // ends the recording, then plays what it recorded
    EXPECT_FALSE(r.rec.IsRecording());
    EXPECT_EQ(RecordedMs(Slot(6)), 3000);
    Pass(box.Clock(), 3010);
    EXPECT_EQ(r.playEnds, 1);
    EXPECT_EQ(r.recordEnds, 0);
}

TEST_F(CNagrywanieTest, PlayingADamagedFileReportsThePlayersError)
{
    Recorder r;
    box.Dir().Write("Nagrane/Nagranie8.wav", "RIFF and nothing a player could use");
    ASSERT_TRUE(r.rec.Open(SlotName(8)));
    EXPECT_FALSE(r.rec.Play());
    EXPECT_FALSE(r.rec.IsPlaying());
    EXPECT_TRUE(r.rec.HasError());
    EXPECT_FALSE(r.rec.ErrorText().empty());
    r.rec.Close();
    EXPECT_FALSE(r.rec.Record(60000));
}

TEST_F(CNagrywanieTest, MusicPlaysOnlyWhenEnabledAndNothingElseRuns)
{
    Recorder r;
    r.rec.StartMusic();  // no music file, and music is off at start
    EXPECT_FALSE(r.rec.IsPlaying());
    EXPECT_TRUE(r.rec.Busy());

    r.rec.MusicOn();
    r.rec.StartMusic();  // still no music file: silent
    EXPECT_FALSE(r.rec.IsPlaying());
    EXPECT_FALSE(r.rec.IsOpen());

    box.Dir().Write("Data/Intf/Smd/music.wav", Tone(4000));
    ASSERT_TRUE(r.rec.Open(SlotName(1)));
    ASSERT_TRUE(r.rec.Record(60000));
    r.rec.StartMusic();
    EXPECT_TRUE(r.rec.IsRecording());
    r.MenuStop();

    r.rec.MusicOff();
    r.rec.StartMusic();
    EXPECT_FALSE(r.rec.IsPlaying());

    r.rec.MusicOn();
    r.rec.StartMusic();
    EXPECT_TRUE(r.rec.IsPlaying());
    EXPECT_TRUE(r.rec.IsOpen());
    EXPECT_TRUE(r.rec.Busy());
    Pass(box.Clock(), 5000);
    EXPECT_EQ(r.playEnds, 0);  // the music ends without telling the menu

    r.rec.MusicOff();
    EXPECT_FALSE(r.rec.MusicEnabled());
    EXPECT_FALSE(r.rec.IsPlaying());
    EXPECT_FALSE(r.rec.IsOpen());
}
