# The Windows package, a ZIP made by CPack: the seven programs, the manual
# SeekDocs.pdf, a sample pressGo.txt, a readme for Windows users and the demo
# folder. `cmake --build --preset win32 --target package` (or win64) leaves
# it in build/packages/.
set(SUITE_VERSION 1.09)
set(PACKAGE_TEXTS ${CMAKE_BINARY_DIR}/package-texts)
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt ${PACKAGE_TEXTS}/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_CURRENT_LIST_DIR}/pressGo.txt ${PACKAGE_TEXTS}/pressGo.txt @ONLY NEWLINE_STYLE CRLF)

install(TARGETS pressGo hexpeek lintally trashlist purgeit linepick clockit RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/bin/SeekDocs.pdf ${PACKAGE_TEXTS}/README.txt ${PACKAGE_TEXTS}/pressGo.txt
        DESTINATION .)
install(TARGETS pressGo console_stand_in RUNTIME DESTINATION demo)
install(FILES ${CMAKE_BINARY_DIR}/demo/pressGo.txt DESTINATION demo)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_SYSTEM_NAME win32)
else()
  set(CPACK_SYSTEM_NAME win64)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME OrvexSuite)
set(CPACK_PACKAGE_VERSION ${SUITE_VERSION})
set(CPACK_PACKAGE_FILE_NAME OrvexSuite-${SUITE_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_SOURCE_DIR}/build/packages)
include(CPack)
