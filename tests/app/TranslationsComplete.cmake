# Every text of the window has its English: lupdate reads the window's sources
# into a copy of the English .ts file, which must come out as it went in. A
# text added or changed since the last translation, or one no longer said,
# fails here; `cmake --build --preset debug --target update_translations`
# brings the file up to date, and each new text then needs its English.
set(copy ${WORK}/tarvo_en.ts)
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${TS} ${copy})
execute_process(
  COMMAND ${LUPDATE} ${SOURCES} -ts ${copy} -source-language zh_CN -target-language en
          -no-obsolete -locations none
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
file(READ ${copy} updated)
string(REGEX MATCHALL "<source>[^<]*</source>\n *<translation type=\"unfinished\">" missing
       "${updated}")
if(missing)
  string(REGEX REPLACE "\n *<translation type=\"unfinished\">" "" missing "${missing}")
  string(REPLACE ";" "\n" missing "${missing}")
  message(FATAL_ERROR "Texts of the window without English:\n${missing}")
endif()
file(READ ${TS} original)
if(NOT original STREQUAL updated)
  message(FATAL_ERROR "${TS} is not up to date with the sources (a text no longer said?):\n"
                      "run the update_translations target.")
endif()
