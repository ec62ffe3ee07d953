# Rendering of the six report forms to an image and to PDF.
if(TARGET zaru_reports)
  zaru_add_bench(bench_reports SOURCES bench_reports.cpp LIBS zaru_reports)
endif()
