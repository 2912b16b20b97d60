# The layers, from the bottom: common, the model's rooms, the platform, the
# forms' rooms, the program, the entry points. Each room is a library that
# sees the headers of what it links only, so an include from a room above
# does not compile; these rules keep the links themselves pointing down.
# The model knows nothing of Qt; the forms reach Qt only through the platform
# layer; dct-block uses Qt's files and images but no widgets.
function(dct_forbid_links target pattern why)
  if(TARGET ${target})
    get_target_property(_libs ${target} LINK_LIBRARIES)
    get_target_property(_ilibs ${target} INTERFACE_LINK_LIBRARIES)
    if("${_libs};${_ilibs}" MATCHES "${pattern}")
      message(FATAL_ERROR "${target} links ${pattern}: ${why}")
    endif()
  endif()
endfunction()

foreach(room dct_model dct_picture dct_jpeg dct_link dct_lesson)
  dct_forbid_links(${room} "Qt|dct_platform" "the model must stay free of any toolkit")
endforeach()
dct_forbid_links(dct_model "dct_(picture|jpeg|link|lesson)"
                 "the window's arithmetic builds on nothing of the lesson's")
foreach(room dct_ui_form dct_ui_window dct_ui_lesson)
  dct_forbid_links(${room} "Qt" "the forms must use Qt only through the platform layer")
endforeach()
dct_forbid_links(dct_ui_window "dct_ui_lesson|dct_lesson|dct_link"
                 "the window knows nothing of the lesson or the page's address")
dct_forbid_links(dct_cli "Qt6::Widgets" "dct-block must run without widgets")

# The platform's own headers are all that the program's code sees of it:
# neither toolkit may appear in them, only in the backends' folders.
file(GLOB _platform_headers ${PROJECT_SOURCE_DIR}/platform/*.h)
foreach(_header IN LISTS _platform_headers)
  file(READ ${_header} _text)
  if(_text MATCHES "#include <(Q|emscripten)")
    message(FATAL_ERROR "${_header} names a toolkit: keep it in platform/qt or platform/web")
  endif()
endforeach()
