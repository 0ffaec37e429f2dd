# Runs tarvo-cli once and checks how it ended.
#
#   cmake -DTARVO_CLI=<tarvo-cli> -DARGS="a|b|c" -DSTATUS=<n>
#         [-DSTDOUT=<regex>] [-DSTDERR=<regex>]
#         [-DJSON="key=value|key=value"] [-DFILE=<path> -DFILE_MATCHES=<regex>]
#         -P expect.cmake
#
# ARGS and JSON separate their items with "|", since ";" would split them on
# the way through add_test. JSON checks fields of the report on standard
# output; a value "null" asks for a JSON null. FILE is an output file the run
# must write afresh, its text matching FILE_MATCHES.

cmake_minimum_required(VERSION 3.25)

set(args "")
if(DEFINED ARGS AND NOT ARGS STREQUAL "")
  string(REPLACE "|" ";" args "${ARGS}")
endif()

if(DEFINED FILE)
  file(REMOVE "${FILE}")
endif()

execute_process(
  COMMAND "${TARVO_CLI}" ${args}
  OUTPUT_VARIABLE stdout_text
  ERROR_VARIABLE stderr_text
  RESULT_VARIABLE status)

set(failures "")
if(NOT status STREQUAL STATUS)
  string(APPEND failures "  exit status ${status}, expected ${STATUS}\n")
endif()
if(DEFINED STDOUT AND NOT stdout_text MATCHES "${STDOUT}")
  string(APPEND failures "  standard output does not match \"${STDOUT}\"\n")
endif()
if(DEFINED STDERR AND NOT stderr_text MATCHES "${STDERR}")
  string(APPEND failures "  standard error does not match \"${STDERR}\"\n")
endif()
if(DEFINED FILE)
  if(NOT EXISTS "${FILE}")
    string(APPEND failures "  ${FILE} was not written\n")
  else()
    file(READ "${FILE}" file_text)
    if(NOT file_text MATCHES "${FILE_MATCHES}")
      string(APPEND failures "  ${FILE} does not match \"${FILE_MATCHES}\"\n")
    endif()
  endif()
endif()

if(DEFINED JSON)
  string(REPLACE "|" ";" checks "${JSON}")
  foreach(check IN LISTS checks)
    string(FIND "${check}" "=" at)
    string(SUBSTRING "${check}" 0 ${at} key)
    math(EXPR after "${at} + 1")
    string(SUBSTRING "${check}" ${after} -1 want)
    string(JSON type ERROR_VARIABLE json_error TYPE "${stdout_text}" "${key}")
    if(json_error)
      string(APPEND failures "  report field ${key}: ${json_error}\n")
      continue()
    endif()
    if(type STREQUAL "NULL")
      set(got "null")
    else()
      string(JSON got GET "${stdout_text}" "${key}")
    endif()
    if(NOT got STREQUAL want)
      string(APPEND failures "  report field ${key} is ${got}, expected ${want}\n")
    endif()
  endforeach()
endif()

if(failures)
  string(REPLACE "|" " " shown "${ARGS}")
  message(FATAL_ERROR "tarvo-cli ${shown}\n${failures}"
                      "  stdout: ${stdout_text}\n  stderr: ${stderr_text}")
endif()
