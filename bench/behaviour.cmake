# The grids at work: the computation of a full statement, and one typed key handled by the grid.
zaru_add_bench(bench_behaviour SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_behaviour.cpp LIBS zaru_editor Qt6::Widgets)
