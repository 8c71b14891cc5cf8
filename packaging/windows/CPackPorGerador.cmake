# What differs between the zip and the installer, read by CPack for each generator.
if(CPACK_GENERATOR STREQUAL "NSIS")
  # The installer puts the files straight into the folder the user chose.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-instalador")
endif()
