# Builds the Debian package from the build tree and checks its file list and control fields:
# the program, the data, the desktop entry, the icons, and the declared run-time dependencies.
#
#   sh test_package.sh CPACK DPKG_DEB BUILD_DIR BINDIR DATADIR
set -eu
cpack=$1 dpkgdeb=$2 build=$3 bindir=$4 datadir=$5

out=$(mktemp -d /tmp/tessaro-deb-XXXXXX)
trap 'rm -rf "$out"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cpack" -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.txt" 2>&1 ||
  fail "cpack: $(cat "$out/cpack.txt")"
deb=$(ls "$out"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no package written: $(cat "$out/cpack.txt")"

list=$("$dpkgdeb" -c "$deb" | awk '{print $6}')
for f in "./usr/$bindir/tessaro" "./usr/$datadir/Data/fonts.lxr" \
  "./usr/$datadir/Data/Pak/default.lxr" ./usr/share/applications/tessaro.desktop \
  ./usr/share/icons/hicolor/16x16/apps/tessaro.png ./usr/share/icons/hicolor/32x32/apps/tessaro.png \
  ./usr/share/icons/hicolor/48x48/apps/tessaro.png ./usr/share/icons/hicolor/256x256/apps/tessaro.png; do
  echo "$list" | grep -qx "$f" || fail "not in the package: $f"
done
if echo "$list" | grep -Eq 'settings\.xml|players\.xml|casino\.xml|\.tmp$'; then
  fail "run-time files in the package"
fi

depends=$("$dpkgdeb" -f "$deb" Depends)
for d in libsdl2-2.0-0 libsdl2-mixer-2.0-0 zlib1g timgm6mb-soundfont xdg-utils; do
  echo "$depends" | grep -q "$d" || fail "Depends lacks $d: $depends"
done
[ "$("$dpkgdeb" -f "$deb" Package)" = tessaro ] || fail "package name"
echo "$(basename "$deb"): $(echo "$list" | grep -c .) entries; Depends: $depends"
