tessaro_bench(startup lx_testsupport)
