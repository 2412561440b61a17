# Benchmarks of the analysis driver.
varenko_add_bench(pipeline LIBS varenko::algo varenko::io)
# Benchmarks of the simple and multilevel stages, with the multilevel accuracy
# check against brute-force permutations.
varenko_add_bench(stages LIBS varenko::algo)
