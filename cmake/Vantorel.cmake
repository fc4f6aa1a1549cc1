# Helpers shared by every folder's CMakeLists.txt.
#
# The shared code is written once over the character width and built twice:
#   <name>_w  wide (UNICODE), for Verbsmith and Slicewise
#   <name>_a  narrow (system code page), for Toolcrate

set(VT_WARNINGS -Wall -Wextra)
set(VT_SYSTEM_LIBS comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 uuid advapi32 rstrtmgr gdi32 user32 kernel32)

# vt_set_width(<target> WIDE|NARROW)
function(vt_set_width target width)
  target_compile_options(${target} PRIVATE ${VT_WARNINGS})
  target_compile_definitions(${target} PUBLIC WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 NOMINMAX)
  if(width STREQUAL "WIDE")
    target_compile_definitions(${target} PUBLIC UNICODE _UNICODE)
  elseif(NOT width STREQUAL "NARROW")
    message(FATAL_ERROR "vt_set_width: WIDE or NARROW, not ${width}")
  endif()
endfunction()

# vt_dual_library(<name> SOURCES ... [LIBS ...]) makes <name>_w and <name>_a;
# LIBS are given without suffix when they are dual libraries themselves
# (DUAL_LIBS) or as they are (LIBS).
function(vt_dual_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DUAL_LIBS;LIBS" ${ARGN})
  foreach(suffix w a)
    if(suffix STREQUAL "w")
      set(width WIDE)
    else()
      set(width NARROW)
    endif()
    add_library(${name}_${suffix} STATIC ${A_SOURCES})
    set_target_properties(${name}_${suffix} PROPERTIES LINKER_LANGUAGE CXX)
    vt_set_width(${name}_${suffix} ${width})
    target_include_directories(${name}_${suffix} PUBLIC ${CMAKE_SOURCE_DIR})
    foreach(lib ${A_DUAL_LIBS})
      target_link_libraries(${name}_${suffix} PUBLIC ${lib}_${suffix})
    endforeach()
    target_link_libraries(${name}_${suffix} PUBLIC ${A_LIBS} ${VT_SYSTEM_LIBS})
  endforeach()
endfunction()

# vt_width_suffix(WIDE|NARROW <variable>): the suffix of the dual libraries
# built in that width.
function(vt_width_suffix width variable)
  if(width STREQUAL "WIDE")
    set(${variable} w PARENT_SCOPE)
  else()
    set(${variable} a PARENT_SCOPE)
  endif()
endfunction()

# vt_program(<name> WIDE|NARROW SOURCES ... [DUAL_LIBS ...] [LIBS ...])
# A Windows GUI program (no console).
function(vt_program name width)
  cmake_parse_arguments(A "" "" "SOURCES;DUAL_LIBS;LIBS" ${ARGN})
  vt_width_suffix(${width} suffix)
  add_executable(${name} WIN32 ${A_SOURCES})
  vt_set_width(${name} ${width})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(lib ${A_DUAL_LIBS})
    target_link_libraries(${name} PRIVATE ${lib}_${suffix})
  endforeach()
  target_link_libraries(${name} PRIVATE ${A_LIBS} ${VT_SYSTEM_LIBS})
endfunction()

# vt_test(<name> WIDE|NARROW SOURCES ... [DUAL_LIBS ...] [LIBS ...] [SERIAL])
# A GoogleTest executable run under Wine; its tests are listed at test time
# (so building never starts Wine). Every test runs in its own process.
# SERIAL: the tests touch state that no sandbox isolates (the prefix's own
# registry, for example) and must not run beside other tests.
function(vt_test name width)
  cmake_parse_arguments(A "SERIAL" "" "SOURCES;DUAL_LIBS;LIBS" ${ARGN})
  vt_width_suffix(${width} suffix)
  add_executable(${name} ${A_SOURCES})
  vt_set_width(${name} ${width})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(lib ${A_DUAL_LIBS} testsupport)
    target_link_libraries(${name} PRIVATE ${lib}_${suffix})
  endforeach()
  target_link_libraries(${name} PRIVATE ${A_LIBS} gmock gtest ${VT_SYSTEM_LIBS})
  set(props TIMEOUT 120)
  if(A_SERIAL)
    list(APPEND props RUN_SERIAL TRUE)
  endif()
  # The executable's name leads each test's name: the same tests are built in
  # both widths.
  gtest_discover_tests(${name}
    TEST_PREFIX "${name}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${props})
endfunction()

# vt_program_sources(<target> <program>...): the source folders of the
# programs whose shipped files the target's tests stage
# (tests/support/ProgramFolder.h), as <PROGRAM>_SOURCES.
function(vt_program_sources target)
  foreach(program ${ARGN})
    string(TOUPPER ${program} name)
    target_compile_definitions(${target} PRIVATE "${name}_SOURCES=\"${CMAKE_SOURCE_DIR}/${program}\"")
  endforeach()
endfunction()

# --- The suite's programs -----------------------------------------------------
# Every program has the same layout (README, "Contributing"): a folder named
# after it in lower case with core/ (no windows) and its window code beside
# Main.cpp. Its CMakeLists.txt calls vt_suite_program, core/CMakeLists.txt
# calls vt_suite_core.

# vt_suite_core(<program> WIDE|NARROW)
# <program>_core from every .cpp and .h of the calling folder, and
# <program>_core_tests from its tests/*.cpp.
function(vt_suite_core program width)
  vt_width_suffix(${width} suffix)
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${program}_core STATIC ${sources})
  vt_set_width(${program}_core ${width})
  target_include_directories(${program}_core PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${program}_core PUBLIC common_${suffix} framework_${suffix})
  vt_suite_tests(${program}_core_tests ${program} ${width} LIBS ${program}_core)
endfunction()

# vt_suite_program(<Name> WIDE|NARROW LANGUAGE_FILE <file>)
# In the program's folder:
#   <name>_window        every .cpp and .h but Main.cpp, over <name>_core: a
#                        library, so that the window tests run it with the
#                        program's resources
#   <Name>               Main.cpp with <Name>.rc and Product.rc; config.ini and
#                        the language file are copied beside it whenever they
#                        change
#   <name>_window_tests  tests/*.cpp with <Name>.rc
function(vt_suite_program Name width)
  cmake_parse_arguments(A "" "LANGUAGE_FILE" "" ${ARGN})
  if(NOT A_LANGUAGE_FILE)
    message(FATAL_ERROR "vt_suite_program(${Name}): LANGUAGE_FILE is missing")
  endif()
  string(TOLOWER ${Name} program)
  vt_width_suffix(${width} suffix)
  set(here ${CMAKE_CURRENT_SOURCE_DIR})

  file(GLOB window_sources CONFIGURE_DEPENDS ${here}/*.cpp ${here}/*.h)
  list(REMOVE_ITEM window_sources ${here}/Main.cpp)
  add_library(${program}_window STATIC ${window_sources})
  vt_set_width(${program}_window ${width})
  target_include_directories(${program}_window PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${program}_window PUBLIC ${program}_core common_${suffix} framework_${suffix})

  # windres reports none of the files it reads: the resource script is
  # compiled again when an image, a script it includes, an id header or the
  # built-in language file changes.
  file(GLOB resource_inputs CONFIGURE_DEPENDS
    ${here}/res/*.bmp ${here}/res/*.png ${here}/res/*.ico
    ${here}/*.rc ${here}/resource.h ${here}/*Ids.h
    ${CMAKE_SOURCE_DIR}/common/*.rc ${CMAKE_SOURCE_DIR}/common/SharedDialogIds.h)
  list(REMOVE_ITEM resource_inputs ${here}/${Name}.rc ${here}/Product.rc)
  set_source_files_properties(${Name}.rc PROPERTIES OBJECT_DEPENDS
    "${resource_inputs};${here}/${A_LANGUAGE_FILE}")

  vt_program(${Name} ${width} SOURCES Main.cpp ${Name}.rc LIBS ${program}_window)
  vt_product_resources(${Name} Product.rc)

  # The settings and language files go beside the program.
  foreach(shipped config.ini ${A_LANGUAGE_FILE})
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${shipped}
      COMMAND ${CMAKE_COMMAND} -E copy ${here}/${shipped} ${CMAKE_CURRENT_BINARY_DIR}/${shipped}
      DEPENDS ${here}/${shipped}
      VERBATIM)
    target_sources(${Name} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${shipped})
  endforeach()

  vt_suite_tests(${program}_window_tests ${program} ${width}
    SOURCES ${Name}.rc LIBS ${program}_window)
endfunction()

# vt_suite_tests(<target> <program> WIDE|NARROW [SOURCES ...] [LIBS ...]): the
# tests/*.cpp of the calling folder, when there are any, with the test kit and
# the program's shipped files at hand (tests/support/ProgramFolder.h).
function(vt_suite_tests target program width)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(tests)
    vt_test(${target} ${width} SOURCES ${tests} ${A_SOURCES}
      DUAL_LIBS testkit LIBS ${A_LIBS})
    vt_program_sources(${target} ${program})
  endif()
endfunction()
