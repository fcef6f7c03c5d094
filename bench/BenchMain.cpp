// Benchmarks of the program live beside this file (one file per subsystem);
// Google Benchmark's own main runs them.
