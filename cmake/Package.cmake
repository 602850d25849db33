# Packages made by CPack from the install rules: a .deb and a .tar.gz on Linux, a zip for
# Windows. Each unpacks to the installed layout, so the program finds its data from any folder.
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "The halvane developers")
set(CPACK_PACKAGE_CONTACT "The halvane developers <maintainers@users.noreply.c-seed-0081f4d6.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "first-person walk-through of a hall with an animated character")
set(CPACK_PACKAGE_DESCRIPTION
    "halvane shows an indoor scene full screen through OpenGL: the walls, floor
and ceiling of a hall read from text files, a row of rooms generated from a
few numbers, and an animated character read from an MD2 model with its skin.
Look around with the mouse and walk with w, a, s and d; function keys switch
wireframe, texture filtering and the on-screen help.
.
halvane-check says, file by file, what the program will make of a folder of
data files (textures, level and character) before the program is started.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-windows)
else()
  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
