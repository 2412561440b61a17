# Multilevel engine: the group driver on one extreme pathway, on groups of
# sizes 15, 100 and 500, and on the two slowest groups of the large collection
# with the real MOV10 ranking (skipped without the shared data folder).
varenko_add_bench(multilevel LIBS varenko::multilevel)
