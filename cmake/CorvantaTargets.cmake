# Warnings are errors in our own code only; Qt and system headers are included
# as system headers by their imported targets.
function(corvanta_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(CORVANTA_SANITIZE)
    # The sanitizers' instrumentation makes g++ 12 report maybe-uninitialized
    # inside the standard library's own headers (std::regex, std::function).
    target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
  endif()
endfunction()

# Tests that start an encoder end "quorbel.exe" by name, which reaches every
# such process in sight: each runs in a private PID namespace of its own.
# Where none can be made, they run one at a time instead.
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/isolated.sh --possible
  RESULT_VARIABLE no_pid_namespace)

# A GoogleTest executable registered with CTest. GUI tests run on Qt's
# offscreen platform so that no display is needed. ENCODER marks a test that
# starts "quorbel.exe".
#   corvanta_test(NAME name SOURCES ... LIBS ... [ENCODER] [ENV k=v ...] [TIMEOUT s])
function(corvanta_test)
  cmake_parse_arguments(T "ENCODER" "NAME;TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  corvanta_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  if(T_ENCODER)
    add_test(NAME ${T_NAME}
      COMMAND ${PROJECT_SOURCE_DIR}/scripts/isolated.sh $<TARGET_FILE:${T_NAME}>)
    if(no_pid_namespace)
      set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK quorbel)
    endif()
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  endif()
  set(env QT_QPA_PLATFORM=offscreen
          LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0
          ${T_ENV})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}")
  if(T_TIMEOUT)
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
  else()
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# Embeds `file` byte for byte into `target` as a read-only block between the
# symbols <symbol>_begin and <symbol>_end (declare them extern "C"). The
# assembler reads the file itself, so no giant generated source is needed.
function(corvanta_embed_binary target symbol file)
  get_filename_component(absolute "${file}" ABSOLUTE)
  set(asm "${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.S")
  file(WRITE "${asm}.in"
"    .section .rodata.${symbol},\"a\"
    .balign 16
    .global ${symbol}_begin
    .type ${symbol}_begin, @object
${symbol}_begin:
    .incbin \"${absolute}\"
    .global ${symbol}_end
    .type ${symbol}_end, @object
${symbol}_end:
    .section .note.GNU-stack,\"\",@progbits
")
  configure_file("${asm}.in" "${asm}" COPYONLY)
  set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${absolute}")
  target_sources(${target} PRIVATE "${asm}")
endfunction()
