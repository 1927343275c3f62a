tessaro_bench(poker lx_testsupport)
