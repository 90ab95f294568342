#!/bin/sh
# check_deb.sh BUILD OUT: builds the Debian package of the build tree into OUT and checks
# what it declares and holds: the shared libraries' packages as dependencies, and the
# programs, desktop entry, metainfo, icons and manual pages under /usr.
set -eu
build=$1 out=$2
rm -rf "$out"
mkdir -p "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
status=0
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libxcb1; do
  printf '%s\n' "$depends" | tr ',' '\n' | grep -q "^ *$lib\( \|$\)" ||
    { echo "missing dependency: $lib"; status=1; }
done
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' | grep -v '/$' | sort >"$out/files"
for f in usr/bin/abacone usr/bin/abacone-calc usr/share/applications/abacone.desktop \
         usr/share/metainfo/invalid.abacone.Abacone.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/abacone.svg \
         usr/share/icons/hicolor/48x48/apps/abacone.png \
         usr/share/man/man1/abacone.1.gz usr/share/man/man1/abacone-calc.1.gz; do
  grep -qx "$f" "$out/files" || { echo "not in the package: $f"; status=1; }
done
exit $status
