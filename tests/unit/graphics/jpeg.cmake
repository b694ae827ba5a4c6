# JPEG picture: header, decode, and the bad inputs a reader of stored bytes meets.
# The decoded pixels are checked against djpeg (Debian: libjpeg-turbo-progs).
find_program(TCM_DJPEG djpeg)
tcm_gtest(jpeg_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/jpeg_image_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jpeg_bad_input_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jpeg_shipped_charts_test.cpp
  LIBS tcm_graphics
)
target_compile_definitions(jpeg_tests PRIVATE
  TCM_DJPEG="${TCM_DJPEG}"
  TCM_JPEG_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures/jpeg"
  TCM_CONTENT_DIR="${CMAKE_SOURCE_DIR}/content")
