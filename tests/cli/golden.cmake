# Runs one case folder of tests/golden (see its README.md) and compares what
# tarvo-cli produced with the folder's recordings, or re-records them when
# TARVO_RECORD=1:
#   cmake -DTARVO_CLI=<tarvo-cli> -DPICTURES=<ON|OFF> -DCASE_DIR=<tests/golden/case>
#         -DWORK_DIR=<scratch folder> -DLANGUAGE=<zh|en> [-DTARVO_CLI_LAUNCHER=node]
#         -P golden.cmake
# The launcher, when given, runs the runner: Node for the WebAssembly one.
#
# In Chinese the run is the whole case. In English it is the same command
# without the output files the recordings ask for, and only its status,
# standard output and standard error are compared: with the English
# recordings (stdout.en, stderr.en, expected.en.json) where the texts differ,
# with the Chinese ones where they are the same, and never with a CJK
# character in them.
#
# Each recording has the same name in the scratch folder, where the run
# writes it; standard output, standard error and the exit status land there
# as files too, so every recording is compared the same way, byte for byte.

cmake_minimum_required(VERSION 3.25)

get_filename_component(case_name "${CASE_DIR}" NAME)
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

# Symbolic links the case needs in the scratch folder, listed in `links`, one
# a line: the link's name, then what it points to (@WORK@ and @CASE@ allowed).
set(links "")
if(EXISTS "${CASE_DIR}/links")
  file(STRINGS "${CASE_DIR}/links" link_lines)
  foreach(line IN LISTS link_lines)
    separate_arguments(link UNIX_COMMAND "${line}")
    list(GET link 0 link_name)
    list(GET link 1 link_target)
    string(REPLACE "@WORK@" "${WORK_DIR}" link_target "${link_target}")
    string(REPLACE "@CASE@" "${CASE_DIR}" link_target "${link_target}")
    file(CREATE_LINK "${link_target}" "${WORK_DIR}/${link_name}" SYMBOLIC)
    list(APPEND links "${link_name}")
  endforeach()
endif()

# The folder's own program comes first, then its arguments, in which @CASE@
# and @WORK@ stand for the case folder and the scratch folder.
if(NOT LANGUAGE MATCHES "^(zh|en)$")
  message(FATAL_ERROR "LANGUAGE must be zh or en, not \"${LANGUAGE}\"")
endif()
set(runner ${TARVO_CLI_LAUNCHER} "${TARVO_CLI}" --lang ${LANGUAGE})
set(command ${runner})
if(EXISTS "${CASE_DIR}/program.nc")
  list(APPEND command "${CASE_DIR}/program.nc")
endif()
if(EXISTS "${CASE_DIR}/args")
  file(READ "${CASE_DIR}/args" args_text)
  string(STRIP "${args_text}" args_text)
  separate_arguments(args UNIX_COMMAND "${args_text}")
  foreach(arg IN LISTS args)
    string(REPLACE "@CASE@" "${CASE_DIR}" arg "${arg}")
    string(REPLACE "@WORK@" "${WORK_DIR}" arg "${arg}")
    list(APPEND command "${arg}")
  endforeach()
endif()

# Standard output is the JSON report when the folder records one.
set(stdout_name stdout)
if(EXISTS "${CASE_DIR}/expected.json")
  set(stdout_name expected.json)
  list(APPEND command --json)
endif()
set(recordings status stderr ${stdout_name})
set(texts stderr ${stdout_name})

# The output files a folder records are asked for by its recordings; a
# runner built without pictures cannot draw the views, so they are left out.
set(outputs expected.csv --trace expected-steps.csv --steps)
if(PICTURES)
  list(APPEND outputs plan.svg --plan axo.svg --axo magnified.svg --magnified)
endif()
while(outputs AND LANGUAGE STREQUAL "zh")
  list(POP_FRONT outputs file option)
  if(EXISTS "${CASE_DIR}/${file}")
    list(APPEND command ${option} "${WORK_DIR}/${file}")
    list(APPEND recordings ${file})
  endif()
endwhile()

# Files the arguments themselves name in the scratch folder, e.g.
# @WORK@/worksheet.html, are listed in `outputs`, one a line, and recorded
# under the same names.
if(EXISTS "${CASE_DIR}/outputs" AND LANGUAGE STREQUAL "zh")
  file(STRINGS "${CASE_DIR}/outputs" named_outputs)
  list(APPEND recordings ${named_outputs})
endif()

execute_process(
  COMMAND ${command}
  WORKING_DIRECTORY "${WORK_DIR}"
  OUTPUT_VARIABLE stdout_text
  ERROR_VARIABLE stderr_text
  RESULT_VARIABLE status)

# A crash gives a text such as "Segmentation fault", never a recording.
if(NOT status MATCHES "^[0-9]+$")
  message(FATAL_ERROR "${case_name}: tarvo-cli did not exit normally: ${status}\n${stderr_text}")
endif()

# Paths are written as the placeholders that args use, and a usage text as
# the runner prints it for --help (the help cases record that text) is
# written @USAGE@, so a recording holds nothing of this machine or build.
if(NOT stderr_text STREQUAL "")
  execute_process(COMMAND ${runner} --help OUTPUT_VARIABLE usage_text)
  if(NOT usage_text STREQUAL "")
    string(REPLACE "${usage_text}" "@USAGE@" stderr_text "${stderr_text}")
  endif()
endif()
foreach(stream stdout stderr)
  string(REPLACE "${WORK_DIR}" "@WORK@" ${stream}_text "${${stream}_text}")
  string(REPLACE "${CASE_DIR}" "@CASE@" ${stream}_text "${${stream}_text}")
endforeach()
file(WRITE "${WORK_DIR}/${stdout_name}" "${stdout_text}")
file(WRITE "${WORK_DIR}/stderr" "${stderr_text}")
file(WRITE "${WORK_DIR}/status" "${status}\n")

# The English recording of a text: stdout.en, expected.en.json.
function(english_name file result)
  if(file MATCHES "^(.+)\\.([a-z]+)$")
    set(${result} "${CMAKE_MATCH_1}.en.${CMAKE_MATCH_2}" PARENT_SCOPE)
  else()
    set(${result} "${file}.en" PARENT_SCOPE)
  endif()
endfunction()

# An English text is said without a CJK character: its UTF-8 lead bytes
# E3 to E9 (U+3000 to U+9FFF) or the full-width forms' EF BC to EF BE.
function(has_cjk text result)
  string(ASCII 227 first)
  string(ASCII 233 last)
  string(ASCII 239 wide)
  string(ASCII 188 wide_first)
  string(ASCII 190 wide_last)
  if(text MATCHES "[${first}-${last}]|${wide}[${wide_first}-${wide_last}]")
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

if(LANGUAGE STREQUAL "en")
  set(failures "")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${CASE_DIR}/status"
                          "${WORK_DIR}/status" RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
  if(differs)
    string(APPEND failures "  status differs from the Chinese run's: ${status}\n")
  endif()
  foreach(file IN LISTS texts)
    english_name(${file} english)
    file(READ "${WORK_DIR}/${file}" said)
    has_cjk("${said}" untranslated)
    if(untranslated)
      string(APPEND failures "  ${file} holds a CJK character: a text is not yet in the catalogue\n")
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${CASE_DIR}/${file}"
                            "${WORK_DIR}/${file}" RESULT_VARIABLE apart OUTPUT_QUIET ERROR_QUIET)
    if("$ENV{TARVO_RECORD}" STREQUAL "1")
      if(apart)
        file(COPY_FILE "${WORK_DIR}/${file}" "${CASE_DIR}/${english}")
        message(STATUS "${case_name}: recorded ${english}; check it by hand before committing")
      else()
        file(REMOVE "${CASE_DIR}/${english}")
      endif()
      continue()
    endif()
    set(expected "${CASE_DIR}/${file}")
    if(EXISTS "${CASE_DIR}/${english}")
      set(expected "${CASE_DIR}/${english}")
      execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${expected}"
                              "${WORK_DIR}/${file}" RESULT_VARIABLE apart OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(apart)
      string(APPEND failures "  ${file} differs: diff ${expected} ${WORK_DIR}/${file}\n")
    endif()
  endforeach()
  if(failures)
    list(JOIN command " " shown)
    message(FATAL_ERROR "${case_name} in English: the run no longer matches its recording\n"
                        "${failures}  command: ${shown}\n  stderr: ${stderr_text}")
  endif()
  return()
endif()

if("$ENV{TARVO_RECORD}" STREQUAL "1")
  foreach(file IN LISTS recordings)
    if(NOT EXISTS "${WORK_DIR}/${file}")
      message(FATAL_ERROR "${case_name}: tarvo-cli wrote no ${file} (status ${status})\n${stderr_text}")
    endif()
    file(COPY_FILE "${WORK_DIR}/${file}" "${CASE_DIR}/${file}")
  endforeach()
  message(STATUS "${case_name}: recorded ${recordings}; check them by hand before committing")
  return()
endif()

# A link an output was written through stays a link.
set(failures "")
foreach(link IN LISTS links)
  if(NOT IS_SYMLINK "${WORK_DIR}/${link}")
    string(APPEND failures "  ${link} is no longer a symbolic link\n")
  endif()
endforeach()
foreach(file IN LISTS recordings)
  set(expected "${CASE_DIR}/${file}")
  set(actual "${WORK_DIR}/${file}")
  if(NOT EXISTS "${expected}")
    string(APPEND failures "  ${file} is not recorded: record the case with TARVO_RECORD=1\n")
    continue()
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${expected}" "${actual}"
                  RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
  if(differs)
    string(APPEND failures "  ${file} differs: diff ${expected} ${actual}\n")
  endif()
endforeach()

if(failures)
  list(JOIN command " " shown)
  message(FATAL_ERROR "${case_name}: the run no longer matches its recording\n${failures}"
                      "  command: ${shown}\n  status: ${status}\n  stderr: ${stderr_text}")
endif()
