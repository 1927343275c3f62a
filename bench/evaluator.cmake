tessaro_bench(evaluator lx_gamecore)
