// Water/steam engine benchmarks.
