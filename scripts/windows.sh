#!/usr/bin/env bash
# The Windows release, cross-built on Debian 12 (as root):
#
#   bash scripts/windows.sh
#
# installs what is missing (the MinGW-w64 cross compiler, NSIS, Wine),
# fetches Allegro 4's source package from Debian and checks it, builds the
# library once (build/windows/allegro/, reused afterwards), builds quib.exe,
# quib-replay.exe and quib-lab.exe as 64-bit programs that need no DLL of
# their own, and packs them with the campaigns, their routes, the README and
# the licence into
#
#   build/windows/quib-VERSION-win64.zip     runs from any folder
#   build/windows/quib-VERSION-setup.exe     installs into C:\Program Files\QUIB
#
# The tests under Wine (tests/wine_*.sh) run in the normal test command
# once this has been run. Exit status 3: the packages could not be installed.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
OUT="$ROOT/build/windows"
ALLEGRO_SOURCE=allegro4.4
ALLEGRO_VERSION=4.4.3.1
VERSION="$(sed -n 's/^project(quib VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")"
RELEASE="quib-$VERSION-win64"

PACKAGES=(
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  nsis wine wine64 cmake make patch zip unzip dpkg-dev
)

sudo_=()
if [[ "$(id -u)" != 0 ]]; then
  sudo_=(sudo)
fi

install_missing() {
  local missing=() package
  for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  ((${#missing[@]} == 0)) && return
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # Ends with 3 when they cannot be had: the test command then goes on
  # without the Windows tests, saying so.
  "${sudo_[@]}" apt-get update || exit 3
  "${sudo_[@]}" apt-get install -y --no-install-recommends "${missing[@]}" </dev/null || exit 3
}

# Source packages come from deb-src entries; a machine with binary entries
# only gets source entries for the same archives and suites.
ensure_source_entries() {
  if apt-cache showsrc "$ALLEGRO_SOURCE" 2>/dev/null | grep -q "^Package: $ALLEGRO_SOURCE"; then
    return
  fi
  local list=/etc/apt/sources.list.d/quib-debian-src.sources
  if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    sed -n '/^Types:/,/^$/p' /etc/apt/sources.list.d/debian.sources |
      sed 's/^Types:.*/Types: deb-src/' | "${sudo_[@]}" tee "$list" >/dev/null
  else
    local suite
    suite="$(. /etc/os-release && echo "$VERSION_CODENAME")"
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$suite" | "${sudo_[@]}" tee "$list" >/dev/null
  fi
  "${sudo_[@]}" apt-get update
}

# The library's source: Debian's .dsc and .orig.tar.gz (the Debian patches
# are not needed, and not every mirror still has them); the tarball must
# have the SHA-256 the .dsc gives it.
fetch_allegro() {
  local dir="$OUT/allegro-source"
  local tarball="$dir/${ALLEGRO_SOURCE}_$ALLEGRO_VERSION.orig.tar.gz"
  mkdir -p "$dir"
  if [[ ! -f "$tarball" ]] || ! compgen -G "$dir/*.dsc" >/dev/null; then
    ensure_source_entries
    # The debian.tar.xz may be missing from the mirror; the two files
    # needed are checked below.
    (cd "$dir" && apt-get source --download-only "$ALLEGRO_SOURCE") || true
  fi
  local dsc
  dsc="$(ls "$dir"/*.dsc 2>/dev/null | head -1)"
  [[ -n "$dsc" && -f "$tarball" ]] || { echo "could not fetch $ALLEGRO_SOURCE" >&2; exit 1; }
  local want have
  want="$(awk '/^Checksums-Sha256:/{f=1;next} /^[^ ]/{f=0} f && $3 ~ /orig\.tar\.gz$/ {print $1}' "$dsc")"
  have="$(sha256sum "$tarball" | cut -d' ' -f1)"
  if [[ -z "$want" || "$want" != "$have" ]]; then
    echo "$tarball: SHA-256 $have, the .dsc says ${want:-nothing}" >&2
    rm -f "$tarball"
    exit 1
  fi
  echo "$(basename "$tarball"): SHA-256 checked against $(basename "$dsc")"
  ALLEGRO_TARBALL="$tarball"
}

# The static library, built once (again only when its patches change).
# One patch: the keyboard falls back to the plain system keyboard where the
# emulated one the library asks for first is unknown (Wine).
build_allegro() {
  local prefix="$OUT/allegro" recipe
  recipe="$ALLEGRO_VERSION $(cat "$ROOT"/packaging/windows/allegro-*.patch | sha256sum | cut -c1-16)"
  [[ -f "$prefix/lib/liballeg.a" && "$(cat "$prefix/recipe" 2>/dev/null)" == "$recipe" ]] && return
  fetch_allegro
  local work="$OUT/allegro-build" patch
  rm -rf "$work" "$prefix"
  mkdir -p "$work"
  tar -xzf "$ALLEGRO_TARBALL" -C "$work"
  for patch in "$ROOT"/packaging/windows/allegro-*.patch; do
    patch -d "$work/allegro-$ALLEGRO_VERSION" -p1 <"$patch"
  done
  cmake -S "$work/allegro-$ALLEGRO_VERSION" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/packaging/windows/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_C_FLAGS=-fcommon -DSHARED=OFF \
    -DWANT_EXAMPLES=OFF -DWANT_TOOLS=OFF -DWANT_TESTS=OFF -DWANT_DOCS=OFF \
    -DWANT_ALLEGROGL=OFF -DWANT_LOADPNG=OFF -DWANT_LOGG=OFF -DWANT_JPGALLEG=OFF
  cmake --build "$work/build" -j"$(nproc)"
  cmake --install "$work/build"
  echo "$recipe" >"$prefix/recipe"
  rm -rf "$work"
}

build_game() {
  cmake -S "$ROOT" -B "$OUT/build" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/packaging/windows/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQUIB_ALLEGRO_PREFIX="$OUT/allegro"
  cmake --build "$OUT/build" -j"$(nproc)"
  rm -rf "$OUT/stage"
  cmake --install "$OUT/build" --prefix "$OUT/stage/$RELEASE" --strip
}

# The zip holds one folder with everything; the installer the same files,
# listed one by one so that the uninstaller removes exactly those.
package() {
  local stage="$OUT/stage/$RELEASE" name
  rm -f "$OUT/$RELEASE.zip"
  (cd "$OUT/stage" && zip -q -X -r "$OUT/$RELEASE.zip" "$RELEASE")
  : >"$OUT/install-files.nsh"
  : >"$OUT/uninstall-files.nsh"
  for name in $(cd "$stage" && ls); do
    echo "File \"$stage/$name\"" >>"$OUT/install-files.nsh"
    echo "Delete \"\$INSTDIR\\$name\"" >>"$OUT/uninstall-files.nsh"
  done
  makensis -V2 -DVERSION="$VERSION" -DOUTFILE="$OUT/quib-$VERSION-setup.exe" \
    -DINSTALL_FILES="$OUT/install-files.nsh" -DUNINSTALL_FILES="$OUT/uninstall-files.nsh" \
    -DLICENSE_FILE="$stage/LICENSE.txt" "$ROOT/packaging/windows/quib.nsi"
  echo "Windows release:"
  ls -l "$OUT/quib-$VERSION-setup.exe" "$OUT/$RELEASE.zip" "$stage"/*.exe
}

install_missing
mkdir -p "$OUT"
build_allegro
build_game
package
