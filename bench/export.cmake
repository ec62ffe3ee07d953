# Spreadsheet export: building each sheet model, and building and writing it as an .xlsx file.
if(TARGET zaru_export)
  zaru_add_bench(bench_export SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_export.cpp LIBS zaru_export)
  target_include_directories(bench_export PRIVATE ${PROJECT_SOURCE_DIR}/tests/export)
endif()
