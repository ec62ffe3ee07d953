# Opening the editor window on each of its pages.
zaru_add_bench(bench_editor SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_editor.cpp LIBS zaru_editor Qt6::Widgets)
