tcm_gtest(raster_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/raster_test.cpp LIBS tcm_graphics)
