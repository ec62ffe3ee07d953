# Start-up: the main window created and shown; the whole program started until its window is up.
zaru_add_bench(bench_shell SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_shell.cpp LIBS zaru_shell Qt6::Widgets)
