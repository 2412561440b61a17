# GMT reading throughput (bytes per second).
varenko_add_bench(gmt_reader LIBS varenko::io)
