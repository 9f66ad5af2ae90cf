# Compiles a one-line file of a module: with the module's own header it must
# compile; with the header of any module above it must fail because the header
# is not found. -DCOMPILER, -DFLAGS (a response file), -DWORK, -DOWN, -DABOVE.
file(MAKE_DIRECTORY ${WORK})

function(probe header result output)
  string(MAKE_C_IDENTIFIER ${header} name)
  set(source ${WORK}/${name}.cpp)
  file(WRITE ${source} "#include \"${header}\"\n")
  execute_process(COMMAND ${COMPILER} @${FLAGS} -fsyntax-only ${source}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  set(${result} ${status} PARENT_SCOPE)
  set(${output} "${out}" PARENT_SCOPE)
endfunction()

probe(${OWN} status out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the module's own header ${OWN} does not compile:\n${out}")
endif()

foreach(header ${ABOVE})
  probe(${header} status out)
  if(status EQUAL 0)
    message(FATAL_ERROR "${header}, of a module above, compiles from below")
  endif()
  string(FIND "${out}" "${header}: No such file or directory" missing)
  if(missing EQUAL -1)
    message(FATAL_ERROR "${header} fails for another reason than a missing header:\n${out}")
  endif()
endforeach()
list(LENGTH ABOVE count)
message(STATUS "${OWN} compiles; ${count} headers of the modules above are out of reach")
