# The Windows release: the programs, the campaigns with their routes, the
# README and the licence, in one folder (cmake --install puts them there;
# scripts/windows.sh packs that folder into the zip and the installer).
#
# quib.exe is a windowed program (no console window of its own) with the
# game's icon; quib-replay.exe and quib-lab.exe stay console programs.
set_target_properties(quib PROPERTIES WIN32_EXECUTABLE ON)
target_sources(quib PRIVATE ${CMAKE_SOURCE_DIR}/platform/windows/quib.rc)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/platform/windows/quib.rc APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/platform/windows/quib.ico)

install(TARGETS quib quib-replay quib-lab RUNTIME DESTINATION .)
file(GLOB QUIB_SHIPPED_CAMPAIGNS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/campaigns/quib*.qbf
     ${CMAKE_SOURCE_DIR}/campaigns/quib*.qbf.*.txt)
install(FILES ${QUIB_SHIPPED_CAMPAIGNS} DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The contact-sheet picture tool is a Linux helper of the level scripts.
set_target_properties(quib-pictures PROPERTIES EXCLUDE_FROM_ALL ON)
