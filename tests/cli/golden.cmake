# Runs one golden case (tests/golden/README.md) and compares it with its
# recording, or re-records it when TARVO_RECORD=1:
#   cmake -DTARVO_CLI=<tarvo-cli> -DCASE_DIR=<tests/golden/case> -DWORK_DIR=<dir> -P golden.cmake

cmake_minimum_required(VERSION 3.25)

get_filename_component(case_name "${CASE_DIR}" NAME)
set(program "${CASE_DIR}/program.nc")

set(extra_args "")
if(EXISTS "${CASE_DIR}/args")
  file(READ "${CASE_DIR}/args" args_text)
  string(STRIP "${args_text}" args_text)
  separate_arguments(extra_args UNIX_COMMAND "${args_text}")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(trace "${WORK_DIR}/trace.csv")
set(report "${WORK_DIR}/report.json")

execute_process(
  COMMAND "${TARVO_CLI}" "${program}" ${extra_args} --trace "${trace}" --json
  OUTPUT_FILE "${report}"
  ERROR_VARIABLE stderr_text
  RESULT_VARIABLE status)

# A crash gives a text such as "Segmentation fault", never a recording.
if(NOT status MATCHES "^[0-9]+$")
  message(FATAL_ERROR "${case_name}: tarvo-cli did not exit normally: ${status}\n${stderr_text}")
endif()
if(NOT EXISTS "${trace}")
  message(FATAL_ERROR "${case_name}: tarvo-cli wrote no trace (status ${status})\n${stderr_text}")
endif()

# The message on standard error must be the one the report carries.
file(READ "${report}" report_text)
string(JSON message_type ERROR_VARIABLE json_error TYPE "${report_text}" message)
if(json_error)
  message(FATAL_ERROR "${case_name}: the report is not a JSON object with a message: ${json_error}\n${report_text}")
endif()
if(message_type STREQUAL "NULL")
  set(expected_stderr "")
else()
  string(JSON message_text GET "${report_text}" message)
  set(expected_stderr "${message_text}\n")
endif()
if(NOT stderr_text STREQUAL expected_stderr)
  message(FATAL_ERROR "${case_name}: standard error does not match the report's message\n"
                      "  stderr:  [${stderr_text}]\n  message: [${expected_stderr}]")
endif()

if("$ENV{TARVO_RECORD}" STREQUAL "1")
  file(COPY_FILE "${trace}" "${CASE_DIR}/expected.csv")
  file(COPY_FILE "${report}" "${CASE_DIR}/expected.json")
  file(WRITE "${CASE_DIR}/status" "${status}\n")
  message(STATUS "${case_name}: recorded (status ${status}); check the new files by hand before committing")
  return()
endif()

set(failures "")
foreach(pair "expected.csv|${trace}" "expected.json|${report}")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 actual)
  set(expected "${CASE_DIR}/${name}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${expected}" "${actual}"
                  RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
  if(differs)
    string(APPEND failures "  ${name} differs: diff ${expected} ${actual}\n")
  endif()
endforeach()

file(READ "${CASE_DIR}/status" expected_status)
string(STRIP "${expected_status}" expected_status)
if(NOT status STREQUAL expected_status)
  string(APPEND failures "  exit status ${status}, expected ${expected_status}\n")
endif()

if(failures)
  message(FATAL_ERROR "${case_name}: the run no longer matches its recording\n${failures}"
                      "  stderr: ${stderr_text}")
endif()
