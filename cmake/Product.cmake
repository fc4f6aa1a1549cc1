# What makes the three programs a shipped product: one version number for the
# suite (project(VERSION) in the top CMakeLists.txt) and, in each program, the
# application manifest and version resource of installer/ProductResources.rc.

# vt_product_resources(<target> <rc>): adds the program's small .rc, which
# names the program and includes installer/ProductResources.rc. Only the
# program gets it: the window tests compile the program's main .rc into test
# executables that carry no manifest.
function(vt_product_resources target rc)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES
    COMPILE_DEFINITIONS "VT_VERSION_MAJOR=${Vantorel_VERSION_MAJOR};VT_VERSION_MINOR=${Vantorel_VERSION_MINOR};VT_VERSION_PATCH=${Vantorel_VERSION_PATCH}"
    # windres does not report what a script includes.
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/installer/ProductResources.rc;${CMAKE_SOURCE_DIR}/installer/Program.manifest")
endfunction()

# The packages (installer/CMakeLists.txt), at the top of the build folder: the
# installer when makensis is there (Debian package nsis), the portable zip when
# zip is. Not plain "Setup.exe": Windows loads compatibility shims into a
# process of that name, and with them DLLs from the folder it runs in.
find_program(VT_MAKENSIS makensis)
find_program(VT_ZIP zip)
set(VT_PACKAGE ${CMAKE_BINARY_DIR}/Vantorel-Toolcrate-2-${Vantorel_VERSION})
set(VT_INSTALLER ${VT_PACKAGE}-Setup.exe)
set(VT_PORTABLE ${VT_PACKAGE}-portable.zip)
# The staged install layout both are packed from.
set(VT_LAYOUT "${CMAKE_BINARY_DIR}/installer/layout/Vantorel Toolcrate 2")
