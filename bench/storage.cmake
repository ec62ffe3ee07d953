# Loading and saving documents: a full 30-line statement and a full quotation.
zaru_add_bench(bench_storage SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_storage.cpp LIBS zaru_storage)
