# cmake -DTOOL=... -DSCRIPT=x.script -DWORKDIR=... -P run_case.cmake
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
execute_process(COMMAND ${TOOL} --regional hu ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out
  RESULT_VARIABLE status)
set(expected_status 0)
if(EXISTS ${dir}/${name}.status)
  file(READ ${dir}/${name}.status expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()
file(READ ${dir}/${name}.expected expected)
if(NOT out STREQUAL expected)
  file(WRITE ${WORKDIR}/${name}.actual "${out}")
  message(FATAL_ERROR "output differs from ${name}.expected; actual output in ${WORKDIR}/${name}.actual:\n${out}")
endif()
if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}")
endif()
