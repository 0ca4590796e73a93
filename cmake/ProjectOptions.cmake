# Warning levels and platform switches shared by every target of the project.
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE -Wall -Wextra -Wno-unused-parameter)
if(PROJECT_WERROR)
  target_compile_options(project_options INTERFACE -Werror)
endif()
if(WIN32)
  target_compile_definitions(project_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                        _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Wine needs no MinGW runtime DLLs when everything is linked in.
  target_link_options(project_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()
if(PROJECT_SANITIZE AND NOT WIN32)
  target_compile_options(project_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

# Windows test programs run under Wine through this runner (private prefix and display).
if(WIN32 AND CMAKE_CROSSCOMPILING)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/scripts/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                  WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()
