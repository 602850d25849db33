# Regenerates the data files into OUTPUT_DIR and compares each with the committed one in bin/.
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR})
execute_process(COMMAND ${ASSETGEN} ${OUTPUT_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "assetgen failed with ${result}")
endif()
foreach(name kachel2.tga ceiling.tga walls.txt ceiling.txt pelgrin.md2 pelgrin2.tga)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT_DIR}/${name} ${SOURCE_DIR}/bin/${name}
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "bin/${name} differs from what assetgen makes now")
  endif()
endforeach()
