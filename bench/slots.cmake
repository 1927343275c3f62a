tessaro_bench(slots lx_testsupport lx_slots)
