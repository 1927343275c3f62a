tessaro_fuzz(xml lx_persistence)
tessaro_fuzz(ini lx_persistence)
