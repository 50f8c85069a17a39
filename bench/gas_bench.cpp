// Gas engine benchmarks.
