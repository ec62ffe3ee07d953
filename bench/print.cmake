# Filling the print jobs' report forms from documents, and a whole direct print into a PDF printer.
if(TARGET zaru_print)
  zaru_add_bench(bench_print SOURCES bench_print.cpp LIBS zaru_print)
  target_include_directories(bench_print PRIVATE ${PROJECT_SOURCE_DIR}/tests/print)
endif()
