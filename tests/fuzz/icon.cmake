tcm_fuzz_target(icon_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/icon_fuzz.cpp LIBS tcm_graphics
  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/icon)
