# Makes the release archive ARCHIVE of the build in BUILD_DIR with cpack
# (program CPACK) and unpacks it into DESTINATION, which then holds nothing else.
execute_process(COMMAND ${CPACK} -C Release WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE made OUTPUT_VARIABLE said
                ERROR_VARIABLE said)
if(NOT made EQUAL 0)
  message(FATAL_ERROR "cpack could not make the release archive:\n${said}")
endif()
file(REMOVE_RECURSE ${DESTINATION})
file(ARCHIVE_EXTRACT INPUT ${ARCHIVE} DESTINATION ${DESTINATION})
