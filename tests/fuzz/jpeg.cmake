# The JPEG picture reader: header at load, then the one decode.
tcm_fuzz_target(jpeg_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/jpeg_fuzz.cpp LIBS tcm_graphics
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/jpeg)
