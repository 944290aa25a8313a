# orvik_library(NAME [DEPS lib...]): a static library from the .cpp files of the calling folder.
# Headers are included by folder, e.g. #include "util/StringUtil.h"; the include root is lib/.
function(orvik_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/lib ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/lib ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# orvik_test(NAME [LABELS l...] [DEPS lib...]): a GoogleTest executable from the calling folder's .cpp files.
# ORVIK_SOURCE_DIR names the checkout; shared test helpers are included
# from tests/, e.g. #include "support/TempDir.h".
function(orvik_test name)
  cmake_parse_arguments(ARG "" "" "DEPS;LABELS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE ORVIK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  set(props "")
  if(ARG_LABELS)
    set(props PROPERTIES LABELS "${ARG_LABELS}")
    # Window tests take the keyboard focus, move the pointer and look windows up by name on the one X
    # server, which other clients' windows coming and going would disturb: they run alone. Tests over the
    # hidden test context (orvik_test_gl) map no window and share the server freely.
    if("window" IN_LIST ARG_LABELS AND NOT "orvik_test_gl" IN_LIST ARG_DEPS)
      list(APPEND props RUN_SERIAL TRUE)
    endif()
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 ${props})
endfunction()
