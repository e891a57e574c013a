# Shared settings of every Pellumo target.

function(pellumo_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS)
endfunction()

# pellumo_library(NAME <name> SOURCES ... LINKS ...)
# A static library of one folder.
function(pellumo_library)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LINKS" ${ARGN})
  add_library(${ARG_NAME} STATIC ${ARG_SOURCES})
  target_include_directories(${ARG_NAME} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${ARG_NAME} PUBLIC Qt6::Core ${ARG_LINKS})
  pellumo_target_defaults(${ARG_NAME})
endfunction()

# pellumo_test(<subject> LINKS ... [SOURCES ...])
# Builds tests/tst_<subject>.cpp into tst_<subject> and registers it with CTest.
function(pellumo_test name)
  cmake_parse_arguments(ARG "" "" "LINKS;SOURCES" ${ARGN})
  set(ARG_NAME ${name})
  set(target tst_${ARG_NAME})
  # Developers' own build folders tolerate a test that is still being
  # written; the presets (and so test.sh and CI) do not.
  if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tst_${ARG_NAME}.cpp AND NOT PELLUMO_STRICT)
    message(WARNING "tst_${ARG_NAME}.cpp is missing; test left out")
    return()
  endif()
  add_executable(${target} tst_${ARG_NAME}.cpp ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE Qt6::Test ${ARG_LINKS})
  pellumo_target_defaults(${target})
  # A cross build's tests run under the emulator (the toolchain's
  # CMAKE_CROSSCOMPILING_EMULATOR), many times slower: the long walks take
  # coarser steps there, as under the sanitizers.
  if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
    target_compile_definitions(${target} PRIVATE PELLUMO_TESTS_UNDER_EMULATOR)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${target})
  set_tests_properties(${ARG_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()
