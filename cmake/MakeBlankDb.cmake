# Creates the template database from its SQL script with isql.
# Inputs: ISQL, SCRIPT, OUT, LOCKDIR.
file(REMOVE ${OUT})
file(MAKE_DIRECTORY ${LOCKDIR})
file(READ ${SCRIPT} body)
set(tmp ${OUT}.sql)
file(WRITE ${tmp} "SET SQL DIALECT 3;\nCREATE DATABASE '${OUT}' USER 'SYSDBA' PASSWORD 'plumbarte' PAGE_SIZE 8192 DEFAULT CHARACTER SET UTF8;\n${body}\n")
set(ENV{FIREBIRD_LOCK} ${LOCKDIR})
execute_process(COMMAND ${ISQL} -q -b -e -i ${tmp} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REMOVE ${tmp})
if(NOT rc EQUAL 0)
  file(REMOVE ${OUT})
  message(FATAL_ERROR "isql failed (${rc}): ${out} ${err}")
endif()
