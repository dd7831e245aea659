#!/bin/sh
# The pages as velmora-screenshot renders them offscreen, light with the focus
# on the tab strip and dark with an example calculation and the focus on
# Calculate, compared byte for byte with the references for this Debian
# release: a box, a font or a colour changed by mistake in a table or in the
# program shows here, where tests that take their expectations from the same
# tables cannot see it. The desktop asks for another style (Windows) than the
# program's own. When the design changes on purpose, scripts/references
# renders the references anew (with --renew).
#   references.sh VELMORA-SCREENSHOT REFERENCES-DIR [--renew]
screenshot=$1
. /etc/os-release
references=$2/$VERSION_CODENAME
got=$(mktemp -d)
home=$(mktemp -d)
[ "${3:-}" != --renew ] || { rm -rf "$references"; got=$references; mkdir -p "$got"; }
for mode in --light --dark; do
  env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen \
    QT_STYLE_OVERRIDE=Windows "$screenshot" ${mode#--light} "$got" >/dev/null 2>&1 ||
    { echo "velmora-screenshot $mode failed"; exit 1; }
done
rm -rf "$home"
[ "${3:-}" != --renew ] || exit 0
[ -d "$references" ] ||
  { echo "no references for Debian $VERSION_CODENAME: scripts/references renders them"; exit 1; }
failed=0
for image in "$got"/*.png; do
  cmp -s "$image" "$references/${image##*/}" || { echo "differs: ${image##*/}"; failed=1; }
done
if [ $failed = 1 ]; then
  kept=${TMPDIR:-/tmp}/velmora-references
  rm -rf "$kept" && mv "$got" "$kept"
  echo "the renderings are kept in $kept; if the change is meant, scripts/references renews them"
else
  rm -rf "$got"
fi
exit $failed
