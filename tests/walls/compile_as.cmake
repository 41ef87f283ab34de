# Checks the syntax of SOURCE with the very command that the build compiles
# the sources of TARGET with, read from COMMANDS (compile_commands.json);
# fails when it does not compile.
#   cmake -DTARGET=<target> -DSOURCE=<file> -DCOMMANDS=<json> -P compile_as.cmake
file(READ "${COMMANDS}" entries)
string(REGEX MATCH
  "\"directory\": \"([^\"]*)\",\n  \"command\": \"([^\n]*CMakeFiles/${TARGET}\\.dir/[^\n]*)\",\n"
  found "${entries}")
if(NOT found)
  message(FATAL_ERROR "${COMMANDS} holds no compile command of ${TARGET}.")
endif()
set(directory "${CMAKE_MATCH_1}")
string(REPLACE "\\\"" "\"" command "${CMAKE_MATCH_2}")
string(REPLACE "\\\\" "\\" command "${command}")
separate_arguments(arguments UNIX_COMMAND "${command}")

# The source, the object and the dependency file are the build's own: they
# are left out, so that nothing of the build is written.
set(compile "")
set(skip_next FALSE)
foreach(argument IN LISTS arguments)
  if(skip_next)
    set(skip_next FALSE)
  elseif(argument MATCHES "^-(o|c|MF|MT|MQ)$")
    set(skip_next TRUE)
  elseif(NOT argument MATCHES "^-M(M)?D$")
    list(APPEND compile "${argument}")
  endif()
endforeach()

execute_process(COMMAND ${compile} -fsyntax-only "${SOURCE}"
  WORKING_DIRECTORY "${directory}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${SOURCE} does not compile as a source of ${TARGET}.")
endif()
message("${SOURCE} compiles as a source of ${TARGET}.")
