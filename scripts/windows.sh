#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows installer build-windows/Szeptaczki-<version>-setup.exe on
# Debian 12 with Debian's packages alone: the MinGW-w64 cross compiler, the
# program's libraries cross-built from Debian's own source packages, the data
# tree made by the native generator, and NSIS.
#
#   scripts/windows.sh              build the installer
#   scripts/windows.sh --test       then install it under Wine and run the
#                                   tests labelled "windows"
#   scripts/windows.sh --shots DIR  then install it under Wine and save
#                                   screenshots of its real window in DIR
#
# The cross-built libraries are kept in build-windows/prefix, each stamped with
# its source version and build recipe, so that a second run only rebuilds the
# program. SZ_JOBS sets the parallel jobs (default 2).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build-windows"
prefix="$out/prefix"
jobs="${SZ_JOBS:-2}"
toolchain="$root/packaging/windows/mingw-w64.cmake"
export SZ_WINDOWS_PREFIX="$prefix"

mode=build
shots=
case "${1:-}" in
  "") ;;
  --test) mode=test ;;
  --shots) mode=shots; shots="$(realpath -m "${2:?--shots needs a folder}")" ;;
  *) echo "usage: $0 [--test | --shots DIR]" >&2; exit 2 ;;
esac

step() { printf '== %s (%ds)\n' "$*" "$SECONDS"; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# --- Debian packages ---------------------------------------------------------

packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  cmake ninja-build pkg-config nasm tcl dpkg-dev icoutils nsis
)
[ "$mode" = build ] || packages+=(wine wine64 xvfb x11-apps netpbm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# The libraries' sources come from a deb-src entry of this script's own, made
# from the system's deb entries.
src_list=/etc/apt/sources.list.d/szeptaczki-deb-src.sources
if [ ! -f "$src_list" ]; then
  step "adding the source package entry $src_list"
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | as_root tee "$src_list" >/dev/null
  else
    # One-line format: the same entries as deb-src, written as the deb822 file.
    grep -h '^deb ' /etc/apt/sources.list | while read -r _ uri suite components; do
      printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n\n' "$uri" "$suite" "$components"
    done | as_root tee "$src_list" >/dev/null
  fi
  updated=no
else
  updated=yes
fi
if ((${#missing[@]})) || [ "$updated" = no ]; then
  step "installing ${missing[*]:-nothing new}"
  as_root apt-get update -qq
  ((${#missing[@]})) && DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# --- The native build: the data tree, the icons, the program to compare with --

step "native build (scripts/setup.sh)"
# The installer's test compares with the Linux program through the native
# test program, so --test builds the tests too.
if [ "$mode" = test ]; then
  "$root/scripts/setup.sh" --tests
else
  "$root/scripts/setup.sh"
fi
native="$root/build"

# --- Libraries from Debian's source packages -------------------------------

mkdir -p "$out/src" "$prefix"

# Unpacks a source package once; prints its folder.
source_dir() {
  local package=$1 dir
  dir=$(find "$out/src" -maxdepth 1 -type d -name "$package-[0-9]*" | sort | tail -n 1)
  if [ -z "$dir" ]; then
    (cd "$out/src" && apt-get source -qq "$package" >/dev/null 2>&1) || {
      echo "apt-get source $package failed" >&2; exit 1; }
    dir=$(find "$out/src" -maxdepth 1 -type d -name "$package-[0-9]*" | sort | tail -n 1)
  fi
  echo "$dir"
}

# True when the library was built from this source with this recipe.
built() { [ "$(cat "$prefix/.built-$1" 2>/dev/null)" = "$2" ]; }
mark_built() { echo "$2" > "$prefix/.built-$1"; }

cmake_library() {
  local name=$1 dir=$2; shift 2
  rm -rf "$out/lib-build/$name"
  nice cmake -S "$dir" -B "$out/lib-build/$name" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
  nice cmake --build "$out/lib-build/$name" -j "$jobs" >/dev/null
  cmake --install "$out/lib-build/$name" >/dev/null
  rm -rf "$out/lib-build/$name"
}

# Optional features are left out: the program reads TrueType fonts, JPEG
# pictures and wave files and draws into a window surface of its own.
recipe=1
dir=$(source_dir libsdl2)
if ! built sdl2 "$dir $recipe"; then
  step "cross-building $(basename "$dir")"
  cmake_library sdl2 "$dir" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON \
    -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF \
    -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_VULKAN=OFF -DSDL_RENDER_D3D=OFF -DSDL_DIRECTX=OFF \
    -DSDL_XINPUT=OFF -DSDL_DISKAUDIO=OFF -DSDL_ASSERTIONS=release
  mark_built sdl2 "$dir $recipe"
fi

dir=$(source_dir freetype)
if ! built freetype "$dir $recipe"; then
  step "cross-building $(basename "$dir")"
  cmake_library freetype "$dir" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
  mark_built freetype "$dir $recipe"
fi

dir=$(source_dir libsdl2-ttf)
if ! built sdl2-ttf "$dir $recipe"; then
  step "cross-building $(basename "$dir")"
  cmake_library sdl2-ttf "$dir" -DSDL2TTF_SAMPLES=OFF -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF
  mark_built sdl2-ttf "$dir $recipe"
fi
# Its build writes a pkg-config file for a shared library only.
cat > "$prefix/lib/pkgconfig/SDL2_ttf.pc" <<EOF
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: SDL2_ttf
Description: TrueType font library for SDL2
Version: ${dir##*/libsdl2-ttf-}
Requires: sdl2
Requires.private: freetype2
Libs: -L\${libdir} -lSDL2_ttf
Cflags: -I\${includedir}/SDL2
EOF

dir=$(source_dir libjpeg-turbo)
if ! built jpeg "$dir $recipe"; then
  step "cross-building $(basename "$dir")"
  cmake_library jpeg "$dir" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=ON -DWITH_JAVA=OFF \
    -DWITH_SIMD=ON -DREQUIRE_SIMD=ON
  mark_built jpeg "$dir $recipe"
fi

# SQLite's single-file source is made by its own build (with tclsh) on the
# host, then compiled for Windows.
dir=$(source_dir sqlite3)
if ! built sqlite3 "$dir $recipe"; then
  step "cross-building $(basename "$dir")"
  rm -rf "$out/lib-build/sqlite3" && mkdir -p "$out/lib-build/sqlite3"
  (cd "$out/lib-build/sqlite3" && nice "$dir/configure" --disable-tcl >/dev/null && nice make -j "$jobs" sqlite3.c >/dev/null)
  nice x86_64-w64-mingw32-gcc-posix -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION \
    -DSQLITE_DEFAULT_WAL_SYNCHRONOUS=1 -c "$out/lib-build/sqlite3/sqlite3.c" -o "$out/lib-build/sqlite3/sqlite3.o"
  mkdir -p "$prefix/lib/pkgconfig" "$prefix/include"
  x86_64-w64-mingw32-ar rcs "$prefix/lib/libsqlite3.a" "$out/lib-build/sqlite3/sqlite3.o"
  cp "$out/lib-build/sqlite3/sqlite3.h" "$dir/src/sqlite3ext.h" "$prefix/include/" 2>/dev/null ||
    cp "$out/lib-build/sqlite3/sqlite3.h" "$prefix/include/"
  version=$(cat "$dir/VERSION")
  cat > "$prefix/lib/pkgconfig/sqlite3.pc" <<EOF
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: SQLite
Description: SQL database engine
Version: $version
Libs: -L\${libdir} -lsqlite3
Cflags: -I\${includedir}
EOF
  rm -rf "$out/lib-build/sqlite3"
  mark_built sqlite3 "$dir $recipe"
fi

# The header-only libraries are the host's Debian packages' headers.
mkdir -p "$prefix/include/stb"
cp -u /usr/include/SimpleIni.h "$prefix/include/"
cp -u /usr/include/stb/stb_image.h /usr/include/stb/stb_image_write.h "$prefix/include/stb/"
step "libraries ready in $prefix"

# --- The program --------------------------------------------------------------

# The version is the newest changelog entry's, as the build has it.
version=$(sed -n '1s/^szeptaczki (\([0-9.]*\)).*/\1/p' "$root/packaging/debian/changelog")
icons="$native/icons/hicolor"
icon="$out/szeptaczki.ico"
if [ ! -f "$icon" ] || [ -n "$(find "$icons" -newer "$icon" -name '*.png' | head -n 1)" ]; then
  sizes=()
  for s in 16 24 32 48 64 128 256; do
    [ -f "$icons/${s}x$s/apps/szeptaczki.png" ] && sizes+=("$icons/${s}x$s/apps/szeptaczki.png")
  done
  icotool -c -o "$icon" "${sizes[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# -O2 as the native build has it: GCC 12 at -O3 warns falsely (-Wrestrict)
# about string concatenation, and warnings are errors here.
step "configuring the Windows program"
cmake -S "$root" -B "$out/program" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DSZ_WINDOWS_ICON="$icon" -DSZ_NATIVE_BUILD="$native" "${launcher[@]}" >/dev/null
step "cross-building the program"
nice cmake --build "$out/program" -j "$jobs"
[ "$out/szeptaczki.exe" -nt "$out/program/szeptaczki.exe" ] ||
  x86_64-w64-mingw32-strip -o "$out/szeptaczki.exe" "$out/program/szeptaczki.exe"

# --- The installer ------------------------------------------------------------

setup="$out/Szeptaczki-$version-setup.exe"
# An installer newer than everything it is made of is kept.
inputs=("$out/szeptaczki.exe" "$native/Data/.generated" "$root/packaging/windows" "$root/scripts/windows.sh")
[ -f "$root/LICENSE" ] && inputs+=("$root/LICENSE")
fresh=yes
for f in "${inputs[@]}"; do
  [ -f "$setup" ] && [ -z "$(find "$f" -newer "$setup" | head -n 1)" ] || fresh=no
done
if [ "$fresh" = no ]; then
# The installation's tree: the program, the generated data (without what a
# build's own runs left in it), the text fonts, and the licence.
stage="$out/stage"
rm -rf "$stage" && mkdir -p "$stage/Fonts"
cp "$out/szeptaczki.exe" "$stage/"
cp -al "$native/Data" "$native/RESOURCE" "$stage/"
find "$stage" \( -name .generated -o -iname data.ini -o -name '*.tmp' \) -delete
for f in /usr/share/fonts/truetype/liberation2/LiberationSans-{Regular,Bold}.ttf \
         /usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold}.ttf; do
  cp "$f" "$stage/Fonts/"
done
# The fonts' licences travel with them.
for p in fonts-liberation2 fonts-dejavu-core; do
  sed 's/$/\r/' "/usr/share/doc/$p/copyright" > "$stage/Fonts/$p-copyright.txt"
done
licence="$root/LICENSE"
[ -f "$licence" ] || licence=/usr/share/common-licenses/GPL-3
{
  printf '\xef\xbb\xbf'
  cat "$root/packaging/windows/licence-note.txt"
  echo
  cat "$licence"
} | sed 's/$/\r/' > "$stage/Licencja.txt"

size_kb=$(du -skL "$stage" | cut -f1)
step "making the installer"
nice makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" \
  -DICON="$icon" -DSIZE_KB="$size_kb" "$root/packaging/windows/szeptaczki.nsi"
fi
step "built $setup ($(du -h "$setup" | cut -f1))"

[ "$mode" = build ] && exit 0

# --- Under Wine ---------------------------------------------------------------

# Wine wants a display even for programs that open no window: a private Xvfb.
xvfb_pid=
cleanup() { [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
display=27
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

if [ "$mode" = test ]; then
  step "testing the installer under Wine (ctest -L windows)"
  (cd "$out/program" && SZ_WINDOWS_SETUP="$setup" nice ctest -L windows --output-on-failure)
  step "done"
  exit 0
fi

# Screenshots of the installed program's real window on the whole X screen
# (1024 x 768): the main menu, then a train game, while a script drives it.
step "screenshots in $shots"
mkdir -p "$shots"
export WINEPREFIX="$out/wine-shots" WINEDEBUG=-all
rm -rf "$WINEPREFIX"
wine "$setup" /S && wineserver -w
program=$(find "$WINEPREFIX/drive_c" -name szeptaczki.exe | head -n 1)
# The train's tab and start button, its stop button, the summary's stop.
printf 'wait 9000\nclick 774 175\nclick 555 667\nwait 12000\nclick 980 50\nwait 3000\nclick 567 519\nwait 2000\nkey Escape\n' \
  > "$out/shots-script.txt"
wine "$program" --script "Z:${out//\//\\}\\shots-script.txt" >/dev/null 2>&1 &
wine_pid=$!
sleep 8 && xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$shots/wine-menu.png"
sleep 12 && xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$shots/wine-train.png"
wait "$wine_pid" || true
wineserver -w
step "saved $shots/wine-menu.png and $shots/wine-train.png"
