tessaro_bench(frame lx_testsupport)
