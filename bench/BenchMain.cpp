// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the program live beside this file (one file per subsystem);
// Google Benchmark's own main runs them.
