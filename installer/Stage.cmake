# Stages the suite's install layout from the build folder:
#
#   cmake -DSOURCE=<source folder> -DBUILD=<build folder> -DLAYOUT=<folder>
#         -DSTAMP=<file> -P Stage.cmake
#
# LAYOUT receives the launcher with its settings, language and help file, and
# Verbsmith and Slicewise in the module folders named after them, where the
# launcher's module table starts them (as scripts/run.sh stages them). The
# programs and help files come from the build (a help file only when the build
# has one), the settings and language files from the sources. STAMP lists the
# staged files with their hashes; it is rewritten only when that list
# changes, so that Setup.exe and the zip are packed again only then.
cmake_minimum_required(VERSION 3.20)
foreach(required SOURCE BUILD LAYOUT STAMP)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "Stage.cmake: -D${required}=... is missing")
  endif()
endforeach()

file(REMOVE_RECURSE "${LAYOUT}")
set(listing "")
# <folder in source and build>|<layout subfolder>|<program>|<shipped text files>
foreach(program
    "toolcrate|.|Toolcrate.exe|config.ini;toolcratetrl.ini"
    "verbsmith|Verbsmith|Verbsmith.exe|config.ini;Verbsmithtrl.ini"
    "slicewise|Slicewise|Slicewise.exe|config.ini;Slicewisetrl.ini")
  string(REPLACE "|" ";" fields "${program}")
  list(POP_FRONT fields from to exe)
  foreach(name ${exe} ${fields} help.chm)
    if(name IN_LIST fields)
      set(source "${SOURCE}/${from}/${name}")
    else()
      set(source "${BUILD}/${from}/${name}")
    endif()
    if(NOT EXISTS "${source}")
      if(name STREQUAL "help.chm")
        continue()
      endif()
      message(FATAL_ERROR "Stage.cmake: ${source} is missing")
    endif()
    file(COPY "${source}" DESTINATION "${LAYOUT}/${to}")
    file(SHA256 "${source}" hash)
    cmake_path(APPEND to "${name}" OUTPUT_VARIABLE staged)
    cmake_path(NORMAL_PATH staged)
    string(APPEND listing "${staged} ${hash}\n")
  endforeach()
endforeach()

file(WRITE "${STAMP}.new" "${listing}")
configure_file("${STAMP}.new" "${STAMP}" COPYONLY)
file(REMOVE "${STAMP}.new")
