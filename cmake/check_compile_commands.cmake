# Every compile in a build's compile_commands.json uses the given compiler
# and -ffp-contract=off, and nothing that would switch contraction or
# value-changing optimisations back on: on aarch64 GCC fuses a*b + c
# unless told not to, which changes the last digits of results.
#   cmake -DCOMMANDS=<compile_commands.json> -DCOMPILER=<name> -P check_compile_commands.cmake
file(STRINGS ${COMMANDS} commands REGEX "\"command\":")
list(LENGTH commands count)
if(count EQUAL 0)
  message(FATAL_ERROR "no compile commands in ${COMMANDS}")
endif()
foreach(command IN LISTS commands)
  string(FIND "${command}" "${COMPILER}" at)
  if(at EQUAL -1 OR NOT command MATCHES "-ffp-contract=off"
     OR command MATCHES "-ffp-contract=(on|fast)|-ffast-math|-Ofast|-funsafe-math")
    message(FATAL_ERROR "a compile lacks ${COMPILER} or -ffp-contract=off, or undoes it:\n${command}")
  endif()
endforeach()
message(STATUS "all ${count} compiles use ${COMPILER} with -ffp-contract=off")
