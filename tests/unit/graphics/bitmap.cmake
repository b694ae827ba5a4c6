tcm_gtest(bitmap_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bitmap_reader_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_value_test.cpp
  LIBS tcm_graphics
)
