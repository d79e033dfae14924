# Run by cpack on the staged files, before it splits off the debugging symbols: the compilers'
# identification strings (.comment) serve no one in an installed program, and Debian's own strip
# leaves them out too.
file(GLOB programy "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*")
if(NOT programy)
  message(FATAL_ERROR "Brak programów w ${CPACK_TEMPORARY_DIRECTORY}/usr/bin")
endif()
foreach(p IN LISTS programy)
  execute_process(COMMAND objcopy --remove-section=.comment "${p}" RESULT_VARIABLE wynik)
  if(wynik)
    message(FATAL_ERROR "objcopy nie usunął .comment z ${p}")
  endif()
endforeach()
