# Regenerates every asset into OUT and compares it with the committed REF using CMP
# (pictures decoded with a small tolerance, everything else byte for byte).
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${GEN}" "${OUT}" RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "generator failed: ${rc}")
endif()
execute_process(COMMAND "${CMP}" "${OUT}" "${REF}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "assets check failed: ${rc}")
endif()
