#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root and runs the installed
# programs from there. Exit 77: the machine cannot build Debian packages.
set -euo pipefail
config=${1:?usage: deb-test.sh CPackConfig.cmake}
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$config" -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack"; }
debs=("$tmp"/pkg/*.deb)
[[ -f "${debs[0]}" ]] || fail "no .deb made"
deb=${debs[0]}

# Depends come from the shared libraries the programs use.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib"
done
contents=$(dpkg-deb -c "$deb")
if grep -q './usr/bin/qav-cps$' <<<"$contents"; then
    grep -q libqt6widgets6 <<<"$depends" || fail "Depends lacks libqt6widgets6"
fi

root=$tmp/root
dpkg -x "$deb" "$root"
for f in usr/bin/qav usr/share/qav/Model.dat usr/share/qav/QAV_E.lng usr/share/qav/QAV_S.lng \
         usr/share/qav/Settings.ini usr/share/qav/volume.ini usr/share/qav/help/QAV_E/index.html \
         usr/share/man/man1/qav.1.gz usr/share/doc/qav/copyright; do
    [[ -e "$root/$f" ]] || fail "$f is not in the package"
done
ls "$root"/usr/share/qav/*DefaultSet.dat >/dev/null 2>&1 || fail "no default codeplugs in the package"
if [[ -e "$root/usr/bin/qav-cps" ]]; then
    for f in usr/share/applications/org.qav.cps.desktop usr/share/metainfo/org.qav.cps.metainfo.xml \
             usr/share/icons/hicolor/scalable/apps/qav-cps.svg usr/share/icons/hicolor/48x48/apps/qav-cps.png \
             usr/share/qav/splash_E.jpg; do
        [[ -e "$root/$f" ]] || fail "$f is not in the package"
    done
fi

# A user of the installed program: no QAV_HOME, a home of its own.
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config
unset QAV_HOME
mkdir -p "$HOME"
qav=$root/usr/bin/qav
cd "$tmp"
"$qav" new -o new.qav 2>err.txt || { cat err.txt; fail "qav new"; }
[[ ! -s err.txt ]] || { cat err.txt; fail "qav new complained"; }
"$qav" validate new.qav || fail "qav validate"
"$qav" new --factory -o factory.qav || fail "qav new --factory"
"$qav" validate factory.qav || fail "qav validate (factory)"
# The default codeplug of the current model came from share/qav.
"$qav" diff new.qav factory.qav >/dev/null 2>&1 || true

# A data file lost after installing: the tool says what is missing and what to do.
rm "$root/usr/share/qav/QAV_E.lng"
"$qav" info new.qav >/dev/null 2>err.txt || true
grep -q "QAV_E.lng" err.txt && grep -q "Reinstall" err.txt || { cat err.txt; fail "no message for a missing data file"; }
echo "ok: $(basename "$deb") installs and runs"
