varenko_add_bench(rng_compat LIBS varenko::rng_compat)
