# The layers of the code and what each may include of the others; a wrong
# include stops the configuration with the file and the line. Each layer
# knows only those below it:
#
#   game     the rules                 (nothing else)
#   flow     clock, phases, difficulty (game)
#   session  the game as played        (flow, game, assets/pictures.h)
#   render   drawing                   (game, assets)
#   desktop  how windows meet desktops (nothing of the game)
#   toolkit  the layer over Qt Widgets (render, the desktop's interface)
#   window   the game's window         (all of the above)
#
# The tests, the benchmarks and the tools may include anything.
#
# Included by the top CMakeLists.txt, it checks at configuration and sets up
# the same check as the first step of every build (the target mepo_layers);
# run as a script (cmake -DTOP=<source tree> -P layers.cmake) it checks alone.

set(MEPO_LAYERS game flow session render assets ui/desktop ui/toolkit ui)
set(MEPO_ALLOWED_game game)
set(MEPO_ALLOWED_flow flow game)
set(MEPO_ALLOWED_session session flow game assets/pictures.h)
set(MEPO_ALLOWED_render render game assets)
set(MEPO_ALLOWED_assets assets)
set(MEPO_ALLOWED_ui/desktop ui/desktop)
set(MEPO_ALLOWED_ui/toolkit ui/toolkit render ui/desktop/desktop.h ui/desktop/placement.h)
set(MEPO_ALLOWED_ui ui ui/toolkit ui/desktop session flow game render assets)

# The layer a project path (relative to the top) belongs to: the longest
# layer folder it lies in, or nothing.
function(mepo_layer_of path out)
  set(found "")
  foreach(layer ${MEPO_LAYERS})
    string(LENGTH "${layer}/" n)
    string(SUBSTRING "${path}" 0 ${n} head)
    if(head STREQUAL "${layer}/")
      string(LENGTH "${found}" have)
      string(LENGTH "${layer}" now)
      if(now GREATER have)
        set(found ${layer})
      endif()
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

function(mepo_check_layers top)
  set(faults "")
  foreach(layer ${MEPO_LAYERS})
    file(GLOB_RECURSE sources RELATIVE ${top} ${top}/${layer}/*.h ${top}/${layer}/*.cpp)
    foreach(source ${sources})
      mepo_layer_of(${source} own)
      if(NOT own STREQUAL layer)
        continue()  # a file of a deeper layer, checked with it
      endif()
      get_filename_component(dir ${source} DIRECTORY)
      file(STRINGS ${top}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
      foreach(line ${lines})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
        # Beside the file first, then from the top; a generated header is
        # nobody's layer.
        if(EXISTS ${top}/${dir}/${included})
          get_filename_component(target ${top}/${dir}/${included} ABSOLUTE)
        elseif(EXISTS ${top}/${included})
          get_filename_component(target ${top}/${included} ABSOLUTE)
        else()
          continue()
        endif()
        file(RELATIVE_PATH target ${top} ${target})
        mepo_layer_of(${target} theirs)
        if(theirs STREQUAL "")
          continue()
        endif()
        set(ok FALSE)
        foreach(allowed ${MEPO_ALLOWED_${layer}})
          if(theirs STREQUAL allowed OR target STREQUAL allowed)
            set(ok TRUE)
          endif()
        endforeach()
        if(NOT ok)
          string(APPEND faults "\n  ${source}: #include \"${included}\" (${layer} may not include ${theirs})")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(faults)
    message(FATAL_ERROR "A layer includes what lies above it or beside it:${faults}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  mepo_check_layers(${TOP})
  if(STAMP)
    file(TOUCH ${STAMP})
  endif()
  return()
endif()

mepo_check_layers(${PROJECT_SOURCE_DIR})
set(sources "")
foreach(layer ${MEPO_LAYERS})
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${layer}/*.h ${PROJECT_SOURCE_DIR}/${layer}/*.cpp)
  list(APPEND sources ${found})
endforeach()
set(stamp ${PROJECT_BINARY_DIR}/layers.checked)
add_custom_command(OUTPUT ${stamp}
  COMMAND ${CMAKE_COMMAND} -DTOP=${PROJECT_SOURCE_DIR} -DSTAMP=${stamp} -P ${CMAKE_CURRENT_LIST_FILE}
  DEPENDS ${sources} ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Checking what each layer includes")
add_custom_target(mepo_layers DEPENDS ${stamp})
