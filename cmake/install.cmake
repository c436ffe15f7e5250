# Install layout, the CMake package for applications that build against the
# module, and the Debian package.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The module and the libraries it needs live in one private folder: the host
# finds modules next to itself, and their generic names stay out of libdir.
set(KOVT_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/kovtappset)
set(KOVT_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/kovtappset)
set(KOVT_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/KoVTAppSet)

set(kovt_libraries kovt_platform pnhost KoVTCore KoVTAppSet)
set_target_properties(kovt_platform PROPERTIES EXPORT_NAME Platform)
set_target_properties(pnhost PROPERTIES EXPORT_NAME Host)
set_target_properties(KoVTCore PROPERTIES EXPORT_NAME Core)
set_target_properties(KoVTAppSet PROPERTIES EXPORT_NAME Module)
# kovtset finds the module folder installed, and its own folder in the build tree.
file(RELATIVE_PATH kovt_bin_to_modules /${CMAKE_INSTALL_BINDIR} /${KOVT_INSTALL_MODULEDIR})
set_target_properties(kovtset PROPERTIES INSTALL_RPATH "$ORIGIN/${kovt_bin_to_modules}:$ORIGIN")

foreach(library ${kovt_libraries})
  target_include_directories(${library} INTERFACE $<INSTALL_INTERFACE:${KOVT_INSTALL_INCLUDEDIR}>)
endforeach()

install(TARGETS ${kovt_libraries} EXPORT KoVTAppSetTargets
  LIBRARY DESTINATION ${KOVT_INSTALL_MODULEDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS KovtZemEnabler KOVTAppSet_Res LIBRARY DESTINATION ${KOVT_INSTALL_MODULEDIR})
install(TARGETS kovtset RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(folder platform host core module registry jobsettings dictionaries copy units environment)
  install(DIRECTORY ${folder}/ DESTINATION ${KOVT_INSTALL_INCLUDEDIR}/${folder} FILES_MATCHING PATTERN "*.h")
endforeach()
install(FILES examples/project.pndwg DESTINATION ${CMAKE_INSTALL_DATADIR}/kovtappset/examples)

install(EXPORT KoVTAppSetTargets NAMESPACE KoVTAppSet:: DESTINATION ${KOVT_INSTALL_CMAKEDIR})
configure_package_config_file(cmake/KoVTAppSetConfig.cmake.in ${CMAKE_BINARY_DIR}/KoVTAppSetConfig.cmake
  INSTALL_DESTINATION ${KOVT_INSTALL_CMAKEDIR} PATH_VARS KOVT_INSTALL_MODULEDIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/KoVTAppSetConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/KoVTAppSetConfig.cmake ${CMAKE_BINARY_DIR}/KoVTAppSetConfigVersion.cmake
  DESTINATION ${KOVT_INSTALL_CMAKEDIR})

set(CPACK_PACKAGE_NAME kovtappset)
set(CPACK_PACKAGE_VENDOR "KoVTAppSet developers")
set(CPACK_PACKAGE_CONTACT "KoVTAppSet developers <kovtappset@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Job settings of detailing drawings: the settings module and kovtset")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The private libraries come with the package; dpkg-shlibdeps must not look for another package that has them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
include(CPack)
