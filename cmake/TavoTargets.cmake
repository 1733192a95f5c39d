# Shared target settings: warnings on for our own code, the repository root as
# include root (headers are included as "common/QxMisc.h", "format/...").

function(tavo_target_defaults target)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TAVO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A library made of every .cpp file in the current folder (not recursive).
# Each layer keeps its sources in one folder, so adding a file needs no edit here.
function(tavo_folder_library name)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${_sources} ${_headers} ${ARGN})
  tavo_target_defaults(${name})
endfunction()

# A GoogleTest executable made of every .cpp file in the current folder,
# registered with CTest test by test. With QT, the tests get a QApplication on
# the offscreen platform (tests/support/QtTestMain.cpp); without, a plain main.
# Either way the settings store points into a fresh temporary folder, so no test
# touches the real user's settings.
function(tavo_test_folder name)
  cmake_parse_arguments(T "QT" "" "LIBS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _sources)
    return()
  endif()
  add_executable(${name} ${_sources})
  tavo_target_defaults(${name})
  if(T_QT)
    target_link_libraries(${name} PRIVATE ${T_LIBS} tavo_test_support_qt)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} tavo_test_support)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TAVO_SETTINGS_DIR=${CMAKE_BINARY_DIR}/test-settings")
endfunction()
