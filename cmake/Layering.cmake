# The layers, from the bottom: common, the model's rooms, the platform, the
# forms' rooms, the program, the entry points. Each room is a library, and
# every include names its file from the top of the tree, so that a line says
# which room it reaches into. The rules below keep the links pointing down,
# and dct_check_includes keeps each room's includes within what it links.
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
dct_forbid_links(dct_file "Qt|dct_(platform|cli|ui)" "files are written with the system's own calls, for any room")

# The platform's own headers are all that the program's code sees of it:
# neither toolkit may appear in them, only in the backends' folders.
file(GLOB _platform_headers ${PROJECT_SOURCE_DIR}/platform/*.h)
foreach(_header IN LISTS _platform_headers)
  file(READ ${_header} _text)
  if(_text MATCHES "#include <(Q|emscripten)")
    message(FATAL_ERROR "${_header} names a toolkit: keep it in platform/qt or platform/web")
  endif()
endforeach()

# Each room's folder and its library: a file in the folder may include only
# from its own room and the rooms that its library links, directly or not.
set(_rooms
  common=dct_common
  model=dct_model
  model/picture=dct_picture
  model/jpeg=dct_jpeg
  model/link=dct_link
  model/lesson=dct_lesson
  file=dct_file
  platform=dct_platform
  platform/qt=dct_platform_qt
  platform/web=dct_platform_web
  ui/form=dct_ui_form
  ui/window=dct_ui_window
  ui/lesson=dct_ui_lesson
  app=dct_program
  app/web=transformada-dct-page
  cli=dct_cli)

function(_dct_linked target out)
  set(_seen ${${out}})
  if(NOT TARGET ${target} OR ${target} IN_LIST _seen)
    return()
  endif()
  list(APPEND _seen ${target})
  get_target_property(_libs ${target} LINK_LIBRARIES)
  get_target_property(_ilibs ${target} INTERFACE_LINK_LIBRARIES)
  foreach(_lib IN LISTS _libs _ilibs)
    string(REGEX MATCH "dct_[a-z_]+" _name "${_lib}")
    if(_name)
      _dct_linked(${_name} _seen)
    endif()
  endforeach()
  set(${out} ${_seen} PARENT_SCOPE)
endfunction()

foreach(_room IN LISTS _rooms)
  string(REPLACE "=" ";" _pair ${_room})
  list(GET _pair 0 _folder)
  list(GET _pair 1 _target)
  if(NOT TARGET ${_target})
    continue()
  endif()
  set(_allowed)
  _dct_linked(${_target} _allowed)
  file(GLOB _files ${PROJECT_SOURCE_DIR}/${_folder}/*.h ${PROJECT_SOURCE_DIR}/${_folder}/*.cpp)
  foreach(_file IN LISTS _files)
    file(STRINGS ${_file} _includes REGEX "^#include \"")
    foreach(_line IN LISTS _includes)
      string(REGEX REPLACE "^#include \"(.*)/[^/]*\".*" "\\1" _dir "${_line}")
      set(_owner)
      foreach(_other IN LISTS _rooms)
        if(_other MATCHES "^${_dir}=(.*)")
          set(_owner ${CMAKE_MATCH_1})
        endif()
      endforeach()
      if(NOT _owner)
        message(FATAL_ERROR "${_file}: ${_line} names no room of the tree")
      endif()
      if(NOT _owner IN_LIST _allowed)
        message(FATAL_ERROR "${_file}: ${_line} reaches into ${_owner}, which ${_target} does not link")
      endif()
    endforeach()
  endforeach()
endforeach()
