# Plot rendering benchmarks.
varenko_add_bench(enrichment_plot LIBS varenko::plot)
varenko_add_bench(table_plot LIBS varenko::plot)
