# The response pane with 100 MB answers: show, scroll, copy, search and format.
add_executable(bench_bigpane ${CMAKE_CURRENT_LIST_DIR}/bigpane_bench.cpp
                             ${CMAKE_CURRENT_LIST_DIR}/stallwatch.h)
target_link_libraries(bench_bigpane PRIVATE quorva_app quorva_flags)
