# What `cmake --install` and `cpack -G DEB` put where. The program folder is lib/taxitrainer/: the program, its
# question bank and pictures side by side, as in the build folder, so that it finds them beside itself
# wherever the tree is unpacked; bin/taxitrainer is a relative symbolic link to it. The installed folder is
# read-only to its users, so the program keeps each user's progress in a copy of the bank in the user's data
# folder (src/app/BankLocation.h).
# A project that includes this one (add_subdirectory) installs and packages on its own terms.
if(NOT PROJECT_IS_TOP_LEVEL)
  return()
endif()
set(TAXI_PROGRAM_DIR lib/taxitrainer)

# The installed bank is built afresh from the sample source: the build folder's db1.mdb holds whatever wrong
# flags the developer left in it.
file(GLOB taxi_question_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/questions/ch*.txt)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/install/db1.mdb
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/install
  COMMAND ${CMAKE_COMMAND} -E remove -f ${PROJECT_BINARY_DIR}/install/db1.mdb.new
  COMMAND qbank build ${PROJECT_SOURCE_DIR}/data/questions ${PROJECT_BINARY_DIR}/install/db1.mdb.new
  COMMAND ${CMAKE_COMMAND} -E rename ${PROJECT_BINARY_DIR}/install/db1.mdb.new ${PROJECT_BINARY_DIR}/install/db1.mdb
  DEPENDS qbank ${taxi_question_files}
  COMMENT "Building the question bank to install"
  VERBATIM)
add_custom_target(install_bank ALL DEPENDS ${PROJECT_BINARY_DIR}/install/db1.mdb)

install(TARGETS taxitrainer uirun RUNTIME DESTINATION ${TAXI_PROGRAM_DIR})
install(TARGETS qbank skinpack RUNTIME DESTINATION bin)
install(FILES ${PROJECT_BINARY_DIR}/install/db1.mdb DESTINATION ${TAXI_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_BINARY_DIR}/img DESTINATION ${TAXI_PROGRAM_DIR})
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(REMOVE \"\${bin}/taxitrainer\")
  file(CREATE_LINK ../${TAXI_PROGRAM_DIR}/taxitrainer \"\${bin}/taxitrainer\" SYMBOLIC)
  message(STATUS \"Installing: \${bin}/taxitrainer -> ../${TAXI_PROGRAM_DIR}/taxitrainer\")")
install(FILES ${PROJECT_SOURCE_DIR}/packaging/taxitrainer.desktop DESTINATION share/applications)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_BINARY_DIR}/icons/${size}x${size}/apps/taxitrainer.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_PACKAGE_NAME taxitrainer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Taxi trainer developers")
set(CPACK_PACKAGE_CONTACT "Taxi trainer developers <taxitrainer@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Practice for the taxi-driver qualification's public-subject exam")
set(CPACK_PACKAGE_FILE_NAME "taxitrainer_${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
find_program(TAXI_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TAXI_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libsdl2-2.0-0, libpixman-1-0, libfreetype6, libfontconfig1, libjpeg62-turbo, libpng16-16, libstdc++6, libc6")
endif()
# The windows draw Chinese text with these fonts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-wqy-zenhei")
include(CPack)
