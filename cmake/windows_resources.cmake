# flg2scn_windows_resources(TARGET NAME DESCRIPTION [MANIFEST]): gives a Windows
# program the project's icon and version information, and with MANIFEST also
# flg2scn.exe's manifest.
function(flg2scn_windows_resources target name description)
  set(FLG2SCN_RC_DIR ${PROJECT_SOURCE_DIR}/packaging/windows)
  set(FLG2SCN_RC_NAME ${name})
  set(FLG2SCN_RC_DESCRIPTION ${description})
  set(FLG2SCN_RC_MANIFEST "")
  if("MANIFEST" IN_LIST ARGN)
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest)
    configure_file(${FLG2SCN_RC_DIR}/flg2scn.manifest.in ${manifest} @ONLY)
    # Resource 1 of type 24: the manifest the loader reads for a program.
    set(FLG2SCN_RC_MANIFEST "1 24 \"${manifest}\"")
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
  configure_file(${FLG2SCN_RC_DIR}/resources.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${FLG2SCN_RC_DIR}/flg2scn.ico)
endfunction()
