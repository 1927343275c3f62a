tessaro_bench(theme lx_testsupport)
if(TARGET theme_fixtures)
  add_dependencies(bench_theme theme_fixtures)
endif()
