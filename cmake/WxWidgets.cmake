# Imported targets for wxWidgets taken from wx-config:
#   wx::base  the non-GUI part (settings file), usable without a display;
#   wx::gui   the GTK toolkit with the web view, for the desktop program.
function(_leanlog_wx_target name components)
  execute_process(COMMAND ${WX_CONFIG} --cxxflags ${components}
                  OUTPUT_VARIABLE cflags OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE rc1)
  execute_process(COMMAND ${WX_CONFIG} --libs ${components}
                  OUTPUT_VARIABLE libs OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE rc2)
  if(NOT rc1 EQUAL 0 OR NOT rc2 EQUAL 0)
    message(FATAL_ERROR "wx-config failed for ${components}")
  endif()
  separate_arguments(cflags UNIX_COMMAND "${cflags}")
  separate_arguments(libs UNIX_COMMAND "${libs}")
  set(includes "")
  set(defines "")
  set(options "")
  foreach(flag IN LISTS cflags)
    if(flag MATCHES "^-I(.*)")
      list(APPEND includes "${CMAKE_MATCH_1}")
    elseif(flag MATCHES "^-D(.*)")
      list(APPEND defines "${CMAKE_MATCH_1}")
    else()
      list(APPEND options "${flag}")
    endif()
  endforeach()
  add_library(${name} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${includes}"
    INTERFACE_COMPILE_DEFINITIONS "${defines}"
    INTERFACE_COMPILE_OPTIONS "${options}"
    INTERFACE_LINK_LIBRARIES "${libs}")
endfunction()

macro(leanlog_find_wx want_gui)
  find_program(WX_CONFIG NAMES wx-config REQUIRED)
  _leanlog_wx_target(wx::base "base")
  if(${want_gui})
    _leanlog_wx_target(wx::gui "std;webview;base")
  endif()
endmacro()
