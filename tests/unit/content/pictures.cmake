# The shipped chart and face pictures: the byte structure of the two JPEG charts
# and the bitmap header, read from the committed files.
tcm_gtest(content_pictures_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/pictures_test.cpp LIBS tcm_graphics)
target_compile_definitions(content_pictures_tests PRIVATE TCM_CONTENT_DIR="${CMAKE_SOURCE_DIR}/content")
