# The glyph mask on small built glyphs and on the three shipped button glyphs.
tcm_gtest(glyph_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/glyph_mask_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/glyph_content_test.cpp
  LIBS tcm_graphics
)
target_compile_definitions(glyph_tests PRIVATE TCM_CONTENT_DIR="${CMAKE_SOURCE_DIR}/content")
