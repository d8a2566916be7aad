# The libraries of the Windows build: Allegro 4 built statically from
# Debian's source package by scripts/windows.sh (QUIB_ALLEGRO_PREFIX holds
# its include/ and lib/), under the name the Linux build gets from
# pkg-config, and the static C and C++ runtimes, so the programs need no
# DLL beside them.
set(QUIB_ALLEGRO_PREFIX "" CACHE PATH "Folder of the static Windows build of Allegro 4")
if(NOT EXISTS "${QUIB_ALLEGRO_PREFIX}/lib/liballeg.a")
  message(FATAL_ERROR "No Windows Allegro in QUIB_ALLEGRO_PREFIX: build with scripts/windows.sh")
endif()
add_library(PkgConfig::ALLEGRO INTERFACE IMPORTED)
target_include_directories(PkgConfig::ALLEGRO INTERFACE "${QUIB_ALLEGRO_PREFIX}/include")
target_compile_definitions(PkgConfig::ALLEGRO INTERFACE ALLEGRO_STATICLINK)
target_link_libraries(PkgConfig::ALLEGRO INTERFACE "${QUIB_ALLEGRO_PREFIX}/lib/liballeg.a"
  kernel32 user32 gdi32 comdlg32 ole32 dinput ddraw dxguid winmm dsound)
add_link_options(-static)
