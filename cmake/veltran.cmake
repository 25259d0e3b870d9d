# veltran_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# One GoogleTest executable, each test registered with CTest. Qt tests run offscreen;
# tests find the sources (data/) and the built programs (bin/) through two definitions.
function(veltran_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    VELTRAN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    VELTRAN_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
endfunction()
