# Installs the build into an empty prefix, so that a file the install no
# longer makes cannot linger there from an earlier run:
#   cmake -DBUILD_DIR=... -DPREFIX=... -DCONFIG=... -P InstallIntoPrefix.cmake
file(REMOVE_RECURSE "${PREFIX}")
set(config_arguments)
if(CONFIG)
  set(config_arguments --config "${CONFIG}")
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" ${config_arguments}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed: ${status}")
endif()
