# The web page: the same sources built by Emscripten (Debian's emscripten package) into
# halvane.js and halvane.wasm, with our own index.html and the six data files preloaded.
# Emscripten's GLUT and its emulation of the fixed-function GL stand in for freeglut and the
# desktop's OpenGL; what they lack is answered in the page's own folder, src/platform/web.
file(GLOB_RECURSE WEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp)
list(FILTER WEB_SOURCES EXCLUDE REGEX "src/check/")
list(FILTER WEB_SOURCES EXCLUDE REGEX "src/platform/.*_(win32|x11|linux|desktop)\\.cpp$")
list(FILTER WEB_SOURCES EXCLUDE REGEX "src/app/main\\.cpp$")

find_path(HALVANE_STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb PATH_SUFFIXES stb NO_CMAKE_FIND_ROOT_PATH
          NO_DEFAULT_PATH)
if(NOT HALVANE_STB_INCLUDE_DIR)
  message(FATAL_ERROR "stb_image.h not found: install libstb-dev (tools/install-deps web)")
endif()

# The building's readers (tinygltf with nlohmann's JSON, tinyobjloader): header-only, copies of
# just their headers as the desktop build takes them, for Emscripten's own system headers stay
# in front of /usr/include.
foreach(header tiny_gltf.h nlohmann/json.hpp tiny_obj_loader.h)
  if(NOT EXISTS /usr/include/${header})
    message(FATAL_ERROR "${header} not found: install libtinygltf-dev, nlohmann-json3-dev and libtinyobjloader-dev")
  endif()
endforeach()
set(HALVANE_BUILDING_INCLUDE_DIR ${CMAKE_BINARY_DIR}/building-headers)
file(COPY /usr/include/tiny_gltf.h /usr/include/tiny_obj_loader.h /usr/include/nlohmann
     DESTINATION ${HALVANE_BUILDING_INCLUDE_DIR})

set(HALVANE_DATA_FILES ceiling.tga ceiling.txt kachel2.tga pelgrin.md2 pelgrin2.tga walls.txt)
set(preload "")
foreach(data ${HALVANE_DATA_FILES})
  list(APPEND preload "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/bin/${data}@/bin/${data}")
endforeach()

include(${CMAKE_SOURCE_DIR}/cmake/Decoders.cmake)

add_executable(halvane ${WEB_SOURCES})
# Our GL/freeglut.h in front of the system's: Emscripten has only the classic GLUT header.
target_include_directories(halvane BEFORE PRIVATE ${CMAKE_SOURCE_DIR}/src/platform/web)
target_include_directories(halvane PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_include_directories(halvane SYSTEM PRIVATE ${HALVANE_STB_INCLUDE_DIR} ${HALVANE_BUILDING_INCLUDE_DIR})
target_link_libraries(halvane PRIVATE halvane_decoders)
target_compile_definitions(halvane PRIVATE HALVANE_VERSION="${PROJECT_VERSION}" HALVANE_INSTALLED_DATA="../share/halvane")
# tinygltf reads a .gltf's JSON with nlohmann's parser, which reports a broken file by throwing;
# tinygltf catches it and refuses the file with the parser's message, as the desktop does. Without
# -fexceptions that throw would end the page instead.
target_compile_options(halvane PRIVATE -fexceptions -Wall -Wextra -Wno-sign-conversion)
target_link_options(halvane PRIVATE -fexceptions -sLEGACY_GL_EMULATION=1 -sGL_UNSAFE_OPTS=0 -sALLOW_MEMORY_GROWTH=1
                    -sEXPORTED_RUNTIME_METHODS=ccall,FS -sFORCE_FILESYSTEM=1 ${preload}
                    "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/link.js")
set_property(TARGET halvane APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/web/link.js)
# Only halvane.js and halvane.wasm: the page is our own index.html, so that Emscripten's HTML
# minifier, which crashes on Debian, never runs.
set_target_properties(halvane PROPERTIES SUFFIX ".js")
add_custom_command(TARGET halvane POST_BUILD
                   COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/web/index.html ${CMAKE_BINARY_DIR}/index.html)
