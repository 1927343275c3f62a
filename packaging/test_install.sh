# Installs the build into a scratch prefix, makes the installed tree read only and starts the
# installed program headless with a scratch home: the program runs and ends cleanly, finds its
# data in the prefix, and writes nothing there nor into its working folder; whatever it writes
# for the player lies under $XDG_DATA_HOME/tessaro/ (or its private temporary folder).
#
#   sh test_install.sh CMAKE BUILD_DIR BINDIR DATADIR APPSTREAM_ID
set -eu
cmake=$1 build=$2 bindir=$3 datadir=$4 appstream_id=$5

scratch=$(mktemp -d /tmp/tessaro-install-XXXXXX)
prefix=$scratch/prefix
pid=
cleanup() {
  if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null || true; fi
  chmod -R u+w "$scratch" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

for f in "$bindir/tessaro" "$datadir/Data/fonts.lxr" "$datadir/Data/Pak/default.lxr" \
  share/applications/tessaro.desktop share/metainfo/$appstream_id.metainfo.xml \
  share/icons/hicolor/16x16/apps/tessaro.png share/icons/hicolor/48x48/apps/tessaro.png \
  share/icons/hicolor/256x256/apps/tessaro.png; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
[ -x "$prefix/$bindir/tessaro" ] || fail "the program is not executable"
# Nothing the game writes at run time is installed.
if find "$prefix" -name settings.xml -o -name players.xml -o -name casino.xml -o -name '*.tmp' |
  grep -q .; then
  fail "run-time files were installed"
fi

chmod -R a-w "$prefix"
before=$(cd "$prefix" && find . -exec ls -ld --time-style=+%s {} + | sort)

home=$scratch/home
work=$scratch/work
mkdir -p "$home" "$work" "$scratch/tmp"
cd "$work"
HOME=$home XDG_DATA_HOME=$home/data TMPDIR=$scratch/tmp SDL_VIDEODRIVER=offscreen \
  SDL_AUDIODRIVER=dummy "$prefix/$bindir/tessaro" >"$scratch/out.txt" 2>&1 &
pid=$!

# Ready when the window system's quit handler is in place (SIGTERM caught).
ready=no
i=0
while [ $i -lt 200 ]; do
  kill -0 "$pid" 2>/dev/null || break
  caught=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$pid/status" 2>/dev/null || echo 0)
  if [ $(((0x$caught >> 14) & 1)) -eq 1 ]; then
    ready=yes
    break
  fi
  sleep 0.1
  i=$((i + 1))
done
[ $ready = yes ] || fail "the program did not start: $(cat "$scratch/out.txt")"
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself: $(cat "$scratch/out.txt")"
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
pid=
[ $rc -eq 0 ] || fail "the program ended with $rc: $(cat "$scratch/out.txt")"

after=$(cd "$prefix" && find . -exec ls -ld --time-style=+%s {} + | sort)
[ "$before" = "$after" ] || fail "the installed tree changed"
[ -z "$(ls -A "$work")" ] || fail "files in the working folder: $(ls -A "$work")"
stray=$(cd "$home" && find . -type f ! -path './data/tessaro/*')
[ -z "$stray" ] || fail "player files outside the user's data folder: $stray"
echo "installed program ran from $prefix/$bindir; player folder:"
(cd "$home" && find . -type f)
exit 0
