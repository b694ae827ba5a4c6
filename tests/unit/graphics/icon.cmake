# The icon group and icon image reader, on built inputs and on the shipped
# program icon.
tcm_gtest(icon_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/icon_reader_test.cpp
  LIBS tcm_graphics
)
target_compile_definitions(icon_tests PRIVATE TCM_CONTENT_DIR="${CMAKE_SOURCE_DIR}/content")
