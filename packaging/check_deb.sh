#!/usr/bin/env bash
# Builds the Debian package with CPack and checks, with dpkg-deb, what it
# holds and what it declares: every shared library the program needs must be
# covered by a declared dependency, as must the fallback font. Then lintian
# must find no error and no warning, and the program must be hardened.
#   check_deb.sh BUILD_DIR SCRATCH_DIR APP_ID VERSION CPACK
set -euo pipefail
build=$1 out=$2 id=$3 version=$4 cpack=$5
source_dir=$(cd "$(dirname "$0")/.." && pwd)

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dpkg-deb dpkg-shlibdeps dpkg-parsechangelog readelf ldd lintian; do
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
[ "$(field Maintainer)" = "Velmora developers <developers@velmora.org>" ] \
  || fail "Maintainer is '$(field Maintainer)'"
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
         usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
         usr/share/man/man1/velmora.1.gz \
         usr/share/doc/velmora/{copyright,changelog.gz}; do
  grep -q " \./$f\$" <<<"$contents" || fail "the package does not hold /$f"
done
stray=$(awk '{ print $6 }' <<<"$contents" \
  | grep -v -E '^\./(usr/?|usr/bin/?.*|usr/share/?|usr/share/(applications|metainfo|icons|man|doc)(/.*)?)$' || true)
[ -z "$stray" ] || fail "the package holds files outside the desktop program's places: $stray"
owners=$(awk '{ print $2 }' <<<"$contents" | sort -u)
[ "$owners" = "root/root" ] || fail "files in the package are owned by $owners"

# The changelog's newest entry is this version, and the copyright file gives
# the About box's rights notice word for word.
gunzip -c "$out/root/usr/share/doc/velmora/changelog.gz" >"$out/changelog"
newest=$(dpkg-parsechangelog -l "$out/changelog" -S Version)
[ "$newest" = "$version" ] || fail "the changelog's newest entry is $newest, the package is $version"
notice=$(grep -o 'Copyright (C) [0-9]* [^"]*All rights reserved\.' "$source_dir/src/help/help_texts.cpp")
[ -n "$notice" ] || fail "no rights notice found in the About text"
grep -qxF " $notice" "$out/root/usr/share/doc/velmora/copyright" \
  || fail "usr/share/doc/velmora/copyright does not give the About box's notice: $notice"

# Hardened as Debian builds programs: a position-independent executable,
# RELRO with immediate binding, and the stack protector.
dynamic=$(readelf -d "$bin") segments=$(readelf -lW "$bin") symbols=$(readelf --dyn-syms -W "$bin")
grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || fail "velmora is not a position-independent executable"
grep -q 'FLAGS.*BIND_NOW' <<<"$dynamic" || fail "velmora is not linked with -z now"
grep -q GNU_RELRO <<<"$segments" || fail "velmora has no RELRO segment"
grep -q ' __stack_chk_fail@' <<<"$symbols" || fail "velmora has no stack protector"

# Lintian: no error, no warning, and no hardening tag even as information.
# Every tag it gives is shown; what remains is explained in the README.
lintian --fail-on none --display-info --pedantic "$deb" >"$out/lintian.log" 2>"$out/lintian.err" \
  || { cat "$out/lintian.err" >&2; fail "lintian did not run"; }
cat "$out/lintian.log"
bad=$(grep -E '^(E|W): |^[A-Z]: [^ ]+ hardening-' "$out/lintian.log" || true)
[ -z "$bad" ] || fail "lintian: $bad"

echo "package check passed: ${deb##*/}, $(grep -c . <<<"$contents") entries, lintian clean"
