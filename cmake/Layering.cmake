# The layers: the model knows nothing of Qt; the user interface reaches Qt
# only through the platform layer; dct-block uses Qt's files and images but
# no widgets.
function(dct_forbid_links target pattern why)
  if(TARGET ${target})
    get_target_property(_libs ${target} LINK_LIBRARIES)
    get_target_property(_ilibs ${target} INTERFACE_LINK_LIBRARIES)
    if("${_libs};${_ilibs}" MATCHES "${pattern}")
      message(FATAL_ERROR "${target} links ${pattern}: ${why}")
    endif()
  endif()
endfunction()

dct_forbid_links(dct_model "Qt" "the model must stay free of Qt")
dct_forbid_links(dct_ui "Qt" "the user interface must use Qt only through the platform layer")
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
