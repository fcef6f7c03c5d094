// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/SoundCodes.h"
#include "games/conveyor/CTasRury.h"

TEST(CTasRury, APipeCatchesWithinItsRadiusOfTheCentre)
{
    CTasRury pipes(84, 25, 180);
    pipes.AddPipe(478, 624);  // centre 551
    pipes.AddPipe(683, 829);  // centre 756
    EXPECT_EQ(pipes.PipeAt(551 - 26), nullptr);
    EXPECT_EQ(pipes.PipeAt(551 - 25), &pipes.Pipe(0));
    EXPECT_EQ(pipes.PipeAt(551 + 24), &pipes.Pipe(0));
    EXPECT_EQ(pipes.PipeAt(551 + 25), nullptr);
    EXPECT_EQ(pipes.PipeAt(756), &pipes.Pipe(1));
    EXPECT_EQ(pipes.PipeAt(650), nullptr);
}

TEST(CTasRury, TheFirstPipeSharingASoundBitIsTheOneForTheSound)
{
    CTasRury pipes(84, 25, 180);
    for (int i = 0; i < 4; ++i)
        pipes.AddPipe(100 * i, 100 * i + 50);
    pipes.SetSound(0, GL_S);
    pipes.SetSound(1, GL_SZ);
    pipes.SetSound(2, GL_SZ);
    pipes.SetSound(3, GL_S);
    pipes.SetSound(7, GL_C);  // no such pipe: ignored
    EXPECT_EQ(pipes.PipeForSound(GL_SZ | POZ_NAGLOS), &pipes.Pipe(1));
    EXPECT_EQ(pipes.PipeForSound(GL_S), &pipes.Pipe(0));
    EXPECT_EQ(pipes.PipeForSound(GL_C), nullptr);
}
