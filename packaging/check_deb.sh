#!/usr/bin/env bash
# Builds the Debian package with CPack and checks what lintian and
# dpkg-shlibdeps do not: that it holds every file a desktop program installs,
# that Depends names the Qt libraries dpkg-shlibdeps found and the fallback
# font named by hand, that Recommends names Qt's Wayland plugin, and that the changelog's newest entry is this version.
# Then lintian must find no error and no warning, and no hardening tag even as
# information.
#   check_deb.sh BUILD_DIR SCRATCH_DIR APP_ID VERSION CPACK BUILD_TYPE
set -euo pipefail
build=$1 out=$2 id=$3 version=$4 cpack=$5 build_type=$6

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dpkg-deb dpkg-parsechangelog lintian; do
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

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6widgets6 fonts-liberation2; do
  grep -qE "(^|[ ,|])$p( |,|$)" <<<"$depends" || fail "Depends does not name $p"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "Recommends does not name qt6-wayland"

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

dpkg-deb -x "$deb" "$out/root"
gunzip -c "$out/root/usr/share/doc/velmora/changelog.gz" >"$out/changelog"
newest=$(dpkg-parsechangelog -l "$out/changelog" -S Version)
[ "$newest" = "$version" ] || fail "the changelog's newest entry is $newest, the package is $version"

lintian --fail-on none --display-info --pedantic "$deb" >"$out/lintian.log" 2>"$out/lintian.err" \
  || { cat "$out/lintian.err" >&2; fail "lintian did not run"; }
cat "$out/lintian.log"
# _FORTIFY_SOURCE needs the optimiser, which a debug build leaves out.
unoptimised=nothing-is-allowed
[ "$build_type" != Debug ] || unoptimised=hardening-no-fortify-functions
bad=$(grep -E '^(E|W): |^[A-Z]: [^ ]+ hardening-' "$out/lintian.log" | grep -v " $unoptimised " || true)
[ -z "$bad" ] || fail "lintian: $bad"

echo "package check passed: ${deb##*/}, $(grep -c . <<<"$contents") entries, lintian clean"
