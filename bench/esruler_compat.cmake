# Multilevel engine: the group driver on one extreme pathway and on groups of
# sizes 15, 100 and 500.
varenko_add_bench(multilevel LIBS varenko::multilevel)
