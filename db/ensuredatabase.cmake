# Builds the shipped database only when it does not exist yet.
if(NOT EXISTS "${TARGET}")
    execute_process(COMMAND "${INITDB}" "${TARGET}" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "dezarod-initdb failed (${rc})")
    endif()
endif()
