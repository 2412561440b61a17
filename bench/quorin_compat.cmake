# Benchmarks of the scoring kernels and permutation engines.
varenko_add_bench(es_score LIBS varenko::quorin_compat)
varenko_add_bench(cumulative_stat LIBS varenko::quorin_compat)
varenko_add_bench(batch_engines LIBS varenko::quorin_compat)
