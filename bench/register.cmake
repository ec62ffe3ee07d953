# The register over 10,000 generated documents: the first index, opening it again, a filter.
zaru_add_bench(bench_register SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_register.cpp LIBS zaru_register)
target_include_directories(bench_register PRIVATE ${PROJECT_SOURCE_DIR}/tests/register)
