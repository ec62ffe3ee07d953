# The Korean code page: decoding and encoding a document's worth of text.
zaru_add_bench(bench_codec SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_codec.cpp LIBS zaru_lib)
