# Runs ${CLI} with ${ARGS} and fails unless it exits with ${STATUS}.

execute_process(COMMAND ${CLI} ${ARGS} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result STREQUAL "${STATUS}")
  message(FATAL_ERROR "exit status ${result}, expected ${STATUS}\n${out}${err}")
endif()
