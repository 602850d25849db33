# The decoders of compressed glTF buildings and WebP pictures, as one target, halvane_decoders:
# meshoptimizer (EXT_meshopt_compression), Draco (KHR_draco_mesh_compression) and libwebp
# (EXT_texture_webp, .webp pictures). On Debian the system's libraries (libmeshoptimizer-dev,
# libdraco-dev, libwebp-dev); for Windows and the web page their decoders are compiled here from
# Debian's own source packages (tools/build-windows and tools/build-web have
# tools/fetch-debian-source unpack them into the build folder's decoders/), the decoding parts only.
if(NOT WIN32 AND NOT EMSCRIPTEN)
  add_library(halvane_decoders INTERFACE)
  find_package(meshoptimizer CONFIG QUIET)
  find_package(draco CONFIG QUIET)
  find_path(HALVANE_WEBP_INCLUDE_DIR webp/decode.h)
  find_library(HALVANE_WEBP_LIBRARY webp)
  if(NOT TARGET meshoptimizer::meshoptimizer OR NOT TARGET draco::draco OR NOT HALVANE_WEBP_LIBRARY
     OR NOT HALVANE_WEBP_INCLUDE_DIR)
    message(FATAL_ERROR "meshoptimizer, Draco or libwebp not found: install libmeshoptimizer-dev, libdraco-dev and "
                        "libwebp-dev (tools/install-deps run)")
  endif()
  target_include_directories(halvane_decoders SYSTEM INTERFACE ${HALVANE_WEBP_INCLUDE_DIR})
  target_link_libraries(halvane_decoders INTERFACE meshoptimizer::meshoptimizer draco::draco ${HALVANE_WEBP_LIBRARY})
  return()
endif()

set(HALVANE_DECODER_SOURCES ${CMAKE_BINARY_DIR}/decoders CACHE PATH
    "Debian's meshoptimizer, draco and libwebp source packages, unpacked in source/")
set(sources ${HALVANE_DECODER_SOURCES}/source)
file(GLOB meshopt ${sources}/meshoptimizer-*)
file(GLOB draco ${sources}/draco-*)
file(GLOB webp ${sources}/libwebp-*)
if(NOT meshopt OR NOT draco OR NOT webp)
  message(FATAL_ERROR "the decoders' sources are not in HALVANE_DECODER_SOURCES=${HALVANE_DECODER_SOURCES}: "
                      "run tools/fetch-debian-source FOLDER meshoptimizer draco libwebp")
endif()
enable_language(C)

# meshoptimizer: its three decoding files.
set(decoder_files ${meshopt}/src/vertexcodec.cpp ${meshopt}/src/indexcodec.cpp ${meshopt}/src/vertexfilter.cpp)
# Draco: what decoding a mesh reaches (the compression folders' decoders, the core, the mesh and
# point cloud and their metadata); its encoders, I/O, tools and transcoder stay out.
file(GLOB_RECURSE draco_files ${draco}/src/draco/attributes/*.cc ${draco}/src/draco/compression/*.cc
     ${draco}/src/draco/core/*.cc)
list(FILTER draco_files EXCLUDE REGEX "(_test|_enc|encode|encoder|test_utils)[a-z_]*\\.cc$")
list(APPEND draco_files ${draco}/src/draco/mesh/mesh.cc ${draco}/src/draco/mesh/corner_table.cc
     ${draco}/src/draco/mesh/mesh_attribute_corner_table.cc ${draco}/src/draco/point_cloud/point_cloud.cc
     ${draco}/src/draco/metadata/metadata.cc ${draco}/src/draco/metadata/geometry_metadata.cc
     ${draco}/src/draco/metadata/metadata_decoder.cc)
# libwebp: its decoder, as its makefile.unix lists it (DEC_OBJS, DSP_DEC_OBJS, UTILS_DEC_OBJS).
file(GLOB webp_files ${webp}/src/dec/*.c ${webp}/src/dsp/alpha_processing*.c ${webp}/src/dsp/cpu.c ${webp}/src/dsp/dec*.c
     ${webp}/src/dsp/filters*.c ${webp}/src/dsp/lossless.c ${webp}/src/dsp/lossless_[mns]*.c ${webp}/src/dsp/rescaler*.c
     ${webp}/src/dsp/upsampling*.c ${webp}/src/dsp/yuv*.c)
foreach(utility bit_reader_utils color_cache_utils filters_utils huffman_utils quant_levels_dec_utils random_utils
                rescaler_utils thread_utils utils)
  list(APPEND webp_files ${webp}/src/utils/${utility}.c)
endforeach()

add_library(halvane_decoders STATIC ${decoder_files} ${draco_files} ${webp_files})
# Draco's generated feature header is ours (cmake/draco): mesh and point cloud decoding only.
target_include_directories(halvane_decoders SYSTEM PUBLIC ${meshopt}/src ${CMAKE_CURRENT_LIST_DIR}/draco ${draco}/src
                           ${webp}/src)
target_include_directories(halvane_decoders PRIVATE ${webp})
set_target_properties(halvane_decoders PROPERTIES CXX_EXTENSIONS OFF POSITION_INDEPENDENT_CODE OFF)
if(EMSCRIPTEN)
  target_compile_options(halvane_decoders PRIVATE -O2)
endif()
