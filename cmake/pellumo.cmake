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
  # coarser steps there, as under the sanitizers. Wine is no emulator: the
  # Windows tests run at the machine's own speed and take the full walks.
  if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR AND NOT WIN32)
    target_compile_definitions(${target} PRIVATE PELLUMO_TESTS_UNDER_EMULATOR)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${target})
  set_tests_properties(${ARG_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1;LC_ALL=C.UTF-8"
    TIMEOUT 300)
  # A test that starts programs with QProcess, in its own file or in a header
  # of its folder that it includes, carries the label child-process: a Qt
  # program under the user-mode emulator of a cross build cannot start one
  # (qemu refuses the clone call Qt 6.4 makes), so the arm64-program test
  # preset leaves such tests out.
  file(READ ${CMAKE_CURRENT_SOURCE_DIR}/tst_${ARG_NAME}.cpp text)
  string(REGEX MATCHALL "#include \"[^\"]+\"" includes "${text}")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "#include \"([^\"]+)\"" "\\1" header "${include}")
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
      set(header ${CMAKE_CURRENT_SOURCE_DIR}/${header})
    elseif(EXISTS ${PROJECT_SOURCE_DIR}/${header})
      set(header ${PROJECT_SOURCE_DIR}/${header})
    else()
      continue()
    endif()
    file(RELATIVE_PATH from_tests ${CMAKE_CURRENT_SOURCE_DIR} ${header})
    if(NOT from_tests MATCHES "^\\.\\.")
      file(READ ${header} header_text)
      string(APPEND text "${header_text}")
    endif()
  endforeach()
  if(text MATCHES "QProcess")
    set_property(TEST ${ARG_NAME} APPEND PROPERTY LABELS child-process)
  endif()
  # The tests of the window layer (tools/cross-test.sh win64 counts them
  # apart from the calculation libraries' tests).
  if(pellumo_app IN_LIST ARG_LINKS)
    set_property(TEST ${ARG_NAME} APPEND PROPERTY LABELS window)
  endif()
endfunction()
