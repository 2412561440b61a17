# Benchmarks of the analysis driver.
varenko_add_bench(pipeline LIBS varenko::algo varenko::io)
