tcm_fuzz_target(bitmap_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/bitmap_fuzz.cpp LIBS tcm_graphics
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/bitmap)
tcm_fuzz_target(picture_value_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/picture_value_fuzz.cpp LIBS tcm_graphics
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/picture_value)
