# Helpers shared by every folder's CMakeLists.txt.
#
# The shared code is written once over the character width and built twice:
#   <name>_w  wide (UNICODE), for Verbsmith and Slicewise
#   <name>_a  narrow (system code page), for Toolcrate

set(VT_WARNINGS -Wall -Wextra)
set(VT_SYSTEM_LIBS comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 uuid advapi32 gdi32 user32 kernel32)

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

# vt_program(<name> WIDE|NARROW SOURCES ... [DUAL_LIBS ...] [LIBS ...])
# A Windows GUI program (no console).
function(vt_program name width)
  cmake_parse_arguments(A "" "" "SOURCES;DUAL_LIBS;LIBS" ${ARGN})
  if(width STREQUAL "WIDE")
    set(suffix w)
  else()
    set(suffix a)
  endif()
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
  if(width STREQUAL "WIDE")
    set(suffix w)
  else()
    set(suffix a)
  endif()
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
