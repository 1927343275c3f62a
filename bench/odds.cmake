tessaro_bench(odds lx_odds)
