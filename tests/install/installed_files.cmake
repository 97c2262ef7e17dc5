# Installs the game into a scratch DESTDIR, as a distribution's build would,
# and reads what lands there the way a desktop does: the list of files, the
# desktop entry and the AppStream metadata through the freedesktop
# validators, and the icons' real pixel sizes.
#
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DPREFIX=... -DAPP_ID=...
#         -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -P installed_files.cmake

include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
set(root "${WORK_DIR}/root")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${root}"
          ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}" --component mepo
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

# Exactly the expected files, all under the prefix.
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
string(REGEX REPLACE "^/" "" prefix "${PREFIX}")
mepo_expected_files(expected "${prefix}" "${APP_ID}")
mepo_compare_file_lists("installed" "${found}" "${expected}")

set(top "${root}${PREFIX}")
execute_process(COMMAND test -x "${top}/bin/mepo" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PREFIX}/bin/mepo is not executable")
endif()

# A validator passes cleanly: it succeeds and reports nothing, not even a
# hint or a piece of information.
function(validate)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message(STATUS "${ARGN}:\n${out}")
  if(NOT rc EQUAL 0 OR out MATCHES "(^|\n) *[EWI]: |error|warning|hint")
    message(FATAL_ERROR "not clean (exit ${rc}): ${ARGN}\n${out}")
  endif()
endfunction()

set(entry "${top}/share/applications/${APP_ID}.desktop")
set(metainfo "${top}/share/metainfo/${APP_ID}.metainfo.xml")
validate(${DESKTOP_FILE_VALIDATE} "${entry}")
validate(${APPSTREAMCLI} validate --no-net "${metainfo}")
# The whole tree: the metadata's launchable must be the installed entry.
validate(${APPSTREAMCLI} validate-tree --no-net "${top}")

# The entry starts the installed program and shows the installed icon; its
# two actions start it with a longer clock and with none.
file(STRINGS "${entry}" exec REGEX "^Exec=")
file(STRINGS "${entry}" icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=mepo;Exec=mepo --clock=600;Exec=mepo --clock=none" OR NOT icon STREQUAL "Icon=${APP_ID}")
  message(FATAL_ERROR "the entry says ${exec} and ${icon}")
endif()

# Each icon is a PNG whose IHDR chunk gives the size its folder names.
foreach(size IN LISTS MEPO_ICON_SIZES)
  set(png "${top}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  file(READ "${png}" head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 24 8 chunk)
  string(SUBSTRING "${head}" 32 8 width)
  string(SUBSTRING "${head}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452"
     OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${png}: ${width} x ${height}, expected ${size} x ${size}")
  endif()
endforeach()
