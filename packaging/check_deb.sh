#!/usr/bin/env bash
# Builds the Debian package with CPack and checks, with dpkg-deb, what it
# holds and what it declares: every shared library the program needs must be
# covered by a declared dependency, as must the fallback font.
#   check_deb.sh BUILD_DIR SCRATCH_DIR APP_ID VERSION CPACK
set -euo pipefail
build=$1 out=$2 id=$3 version=$4 cpack=$5

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dpkg-deb dpkg-shlibdeps readelf ldd; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup installs it)"
done

rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log" >&2
  fail "cpack could not build the package"
fi
deb=$out/velmora_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "cpack made no ${deb##*/}: $(ls "$out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmora ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Maintainer)" = "Velmora developers" ] || fail "Maintainer is '$(field Maintainer)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"

# The names in Depends, without versions; alternatives count as declared too.
depends=$(field Depends)
declared=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d' | sort -u)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-liberation2; do
  grep -qx "$p" <<<"$declared" || fail "Depends does not name $p"
done

# Every library the packaged program is linked against comes from a package
# that Depends names.
dpkg-deb -x "$deb" "$out/root"
bin=$out/root/usr/bin/velmora
[ -x "$bin" ] || fail "the package holds no usr/bin/velmora"
resolved=$(ldd "$bin")
while read -r lib; do
  path=$(awk -v l="$lib" '$1 == l && $2 == "=>" { print $3; exit }' <<<"$resolved")
  [ -n "$path" ] && [ -e "$path" ] || fail "cannot find $lib, which velmora needs"
  # dpkg knows a library by the path its package ships, with or without /usr.
  owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(readlink -f "$path")" 2>/dev/null || true)
  owner=$(head -1 <<<"$owner" | cut -d: -f1)
  [ -n "$owner" ] || fail "no installed package holds $path"
  grep -qx "$owner" <<<"$declared" || fail "velmora needs $lib from $owner, which Depends does not name"
done < <(readelf -d "$bin" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')

# The contents: the program and its desktop files, all owned by root, and
# nothing outside the places a desktop program installs to.
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/velmora \
         usr/share/applications/$id.desktop \
         usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg \
         usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
  grep -q " \./$f\$" <<<"$contents" || fail "the package does not hold /$f"
done
stray=$(awk '{ print $6 }' <<<"$contents" \
  | grep -v -E '^\./(usr/?|usr/bin/?.*|usr/share/?|usr/share/(applications|metainfo|icons)(/.*)?)$' || true)
[ -z "$stray" ] || fail "the package holds files outside the desktop program's places: $stray"
owners=$(awk '{ print $2 }' <<<"$contents" | sort -u)
[ "$owners" = "root/root" ] || fail "files in the package are owned by $owners"

echo "package check passed: ${deb##*/}, $(grep -c . <<<"$contents") entries"
