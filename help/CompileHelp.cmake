# cmake -P CompileHelp.cmake with CHMCMD, SOURCE (a program's help folder),
# STYLE (the shared style sheet), STAGE (a scratch folder), PROJECT (the .hhp
# file's name) and OUTPUT (where help.chm goes).
#
# chmcmd writes its result beside the project and leaves a broken file when it
# fails, so it runs on a copy and OUTPUT is replaced only by a file it made
# without complaint. A page that links to a file that does not exist is a
# warning to chmcmd; here it fails the build.
file(REMOVE_RECURSE ${STAGE})
file(COPY ${SOURCE}/ DESTINATION ${STAGE})
file(COPY ${STYLE} DESTINATION ${STAGE})
execute_process(COMMAND ${CHMCMD} --verbosity 1 ${PROJECT}
  WORKING_DIRECTORY ${STAGE}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR output MATCHES "Warning|Error" OR NOT EXISTS ${STAGE}/help.chm)
  message(FATAL_ERROR "chmcmd failed on ${SOURCE}/${PROJECT} (${result}):\n${output}${errors}")
endif()
file(RENAME ${STAGE}/help.chm ${OUTPUT})
