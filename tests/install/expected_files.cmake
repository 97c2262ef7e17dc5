# The files that installing Mepo puts under its prefix, shared by the install
# and package tests.

set(MEPO_ICON_SIZES 16 32 48 64 128 256)

# Sets `out` to the sorted list of installed files, each as `prefix`/path.
function(mepo_expected_files out prefix app_id)
  set(files
    bin/mepo
    share/applications/${app_id}.desktop
    share/metainfo/${app_id}.metainfo.xml
    share/man/man6/mepo.6
    share/doc/mepo/LICENSE
    share/doc/mepo/LICENSE-art.md)
  foreach(size IN LISTS MEPO_ICON_SIZES)
    list(APPEND files share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
  endforeach()
  list(TRANSFORM files PREPEND "${prefix}/")
  list(SORT files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Fails with what is missing and what is extra unless both lists hold the
# same files.
function(mepo_compare_file_lists what found expected)
  list(SORT found)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${found})
  set(extra ${found})
  list(REMOVE_ITEM extra ${expected})
  if(missing OR extra)
    list(JOIN missing "\n  " missing)
    list(JOIN extra "\n  " extra)
    message(FATAL_ERROR "${what} files differ\nmissing:\n  ${missing}\nextra:\n  ${extra}")
  endif()
endfunction()
