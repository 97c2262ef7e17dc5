# Makes the Debian package from the build tree with CPack and reads it back
# with dpkg-deb: its control fields, and that it holds the installed files
# under /usr, owned by root, the program executable.
#
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DAPP_ID=... -DCPACK=... -P debian_package.cmake

include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND ${CPACK} --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB debs "${WORK_DIR}/*.deb")
list(LENGTH debs count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages (exit ${rc}):\n${out}")
endif()

execute_process(COMMAND dpkg-deb --field "${debs}" Package Section Depends Recommends Maintainer Homepage
  RESULT_VARIABLE rc OUTPUT_VARIABLE fields ERROR_VARIABLE fields)
message(STATUS "${fields}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read the package:\n${fields}")
endif()
foreach(pattern
    "Package: mepo\n" "Section: games\n" "Maintainer: [^\n]+" "Homepage: https?://[^\n]+"
    # Found by dpkg-shlibdeps, with a version.
    "Depends: [^\n]*libqt6widgets6 \\(>= " "Depends: [^\n]*libqt6gui6 \\(>= "
    "Depends: [^\n]*libqt6core6 \\(>= " "Depends: [^\n]*libc6 \\(>= " "Depends: [^\n]*libwayland-client0 \\(>= "
    # Not linked, but needed on screen: the fonts, Qt's words, its Wayland platform.
    "Depends: [^\n]*fonts-noto-cjk" "Depends: [^\n]*qt6-translations-l10n" "Depends: [^\n]*qt6-wayland"
    # The web links' way to the browser.
    "Recommends: [^\n]*xdg-utils")
  if(NOT fields MATCHES "${pattern}")
    message(FATAL_ERROR "the control fields lack ${pattern}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents "${debs}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE listing ERROR_VARIABLE listing)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot list the package:\n${listing}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(files)
foreach(line IN LISTS lines)
  # mode owner/group size date time path
  if(NOT line MATCHES "^([-dlrwxs]+) ([^ ]+) +[0-9]+ [0-9-]+ [0-9:]+ (.+)$")
    message(FATAL_ERROR "unexpected listing line: ${line}")
  endif()
  set(mode "${CMAKE_MATCH_1}")
  set(path "${CMAKE_MATCH_3}")
  if(NOT CMAKE_MATCH_2 STREQUAL "root/root")
    message(FATAL_ERROR "${path} belongs to ${CMAKE_MATCH_2}")
  endif()
  if(mode MATCHES "^-")
    list(APPEND files "${path}")
    if(path STREQUAL "./usr/bin/mepo" AND NOT mode STREQUAL "-rwxr-xr-x")
      message(FATAL_ERROR "./usr/bin/mepo has mode ${mode}")
    endif()
  endif()
endforeach()
mepo_expected_files(expected "./usr" "${APP_ID}")
mepo_compare_file_lists("packaged" "${files}" "${expected}")
