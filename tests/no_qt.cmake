# Fails when any file of the given folders (DIRS) includes a
# Qt header: the rules, the flow and the session build and run without Qt.
# DIRS is separated by commas.
set(n 0)
string(REPLACE "," ";" DIRS "${DIRS}")
foreach(dir ${DIRS})
  file(GLOB_RECURSE files ${dir}/*.h ${dir}/*.cpp)
  foreach(f ${files})
    file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
    if(hits)
      message(FATAL_ERROR "${f} includes Qt: ${hits}")
    endif()
    math(EXPR n "${n} + 1")
  endforeach()
endforeach()
message(STATUS "${n} files checked, none includes Qt")
