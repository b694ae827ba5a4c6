# Drives tcm-formc and tcm-dump as a build would. Arguments: FORMC, DUMP,
# UNIT1_FORM, UNIT1_METHODS, FIXTURES, WORK.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run expected_rc)
  execute_process(COMMAND ${ARGN}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL expected_rc)
    message(FATAL_ERROR "exit code ${rc}, expected ${expected_rc}: ${ARGN}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_same a b)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${a} ${b} RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${a} and ${b} differ")
  endif()
endfunction()

function(expect_match text pattern what)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${what} does not match '${pattern}':\n${text}")
  endif()
endfunction()

# compile -> dump -> compile, then dump again: same bytes, same text.
function(round_trip form name)
  run(0 ${FORMC} ${form} ${WORK}/${name}.stream ${ARGN} --depfile ${WORK}/${name}.d)
  run(0 ${DUMP} ${WORK}/${name}.stream)
  file(WRITE ${WORK}/${name}.dump.form "${out}")
  run(0 ${FORMC} ${WORK}/${name}.dump.form ${WORK}/${name}.again.stream ${ARGN})
  expect_same(${WORK}/${name}.stream ${WORK}/${name}.again.stream)
  run(0 ${DUMP} ${WORK}/${name}.again.stream)
  file(WRITE ${WORK}/${name}.again.form "${out}")
  expect_same(${WORK}/${name}.dump.form ${WORK}/${name}.again.form)
endfunction()

round_trip(${UNIT1_FORM} unit1 --methods ${UNIT1_METHODS})
round_trip(${FIXTURES}/every_value.form every_value --no-schema)

file(READ ${WORK}/every_value.d depfile)
foreach(dep every_value.form content/picture.bin content/glyph.bin content/memo.txt)
  expect_match("${depfile}" "${FIXTURES}/${dep}" "depfile")
endforeach()
expect_match("${depfile}" "^${WORK}/every_value.stream:" "depfile target")

# A malformed stream: the reader's error on stderr, nothing on stdout, exit 1.
string(ASCII 6 six)
file(WRITE ${WORK}/truncated.stream "TPF0${six}TForm1")
run(1 ${DUMP} ${WORK}/truncated.stream)
expect_match("${err}" "truncated.stream: Invalid stream format at offset [0-9]+: " "dump error")
if(NOT out STREQUAL "")
  message(FATAL_ERROR "dump of a malformed stream printed: ${out}")
endif()

# A faulty form: file:line:column on stderr, exit 1, no output file.
file(WRITE ${WORK}/broken.form "TForm1 Form1 {\n  Left = true\n}\n")
run(1 ${FORMC} ${WORK}/broken.form ${WORK}/broken.stream)
expect_match("${err}" "broken.form:2:10: error: 'Left' takes an integer, not a boolean" "compile error")
if(EXISTS ${WORK}/broken.stream)
  message(FATAL_ERROR "a failed compile wrote its output")
endif()

# Handlers are checked against --methods.
run(1 ${FORMC} ${UNIT1_FORM} ${WORK}/unit1.bad.stream --methods SpeedButton1Click,SpeedButton3Click)
expect_match("${err}" "Unit1.form:[0-9]+:[0-9]+: error: 'SpeedButton2Click' is not a method" "methods error")

# Wrong command lines.
run(2 ${FORMC} ${UNIT1_FORM})
run(2 ${FORMC} ${UNIT1_FORM} ${WORK}/x.stream --bogus)
run(2 ${DUMP})
