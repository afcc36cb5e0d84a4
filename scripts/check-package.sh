#!/usr/bin/env bash
# Builds the Debian package from an already built tree, installs it into this machine with dpkg
# (its dependencies with apt-get) and checks that the installed files are where the system looks
# for them. Also checks that `cmake --install` into a temporary folder puts the same files there.
# One line per check; stops at the first failure, naming it.
#
#     scripts/check-package.sh BUILD_DIR
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$(cd "$1" && pwd)"

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi

ok() { echo "ok: $1"; }
fail() {
    echo "FAILED: $1" >&2
    exit 1
}

# The files an installation holds, relative to the prefix.
installed_files=(
    bin/tagwell
    bin/tagwell-printer-sim
    lib/udev/rules.d/60-tagwell-printers.rules
    share/applications/tagwell.desktop
    share/icons/hicolor/scalable/apps/tagwell.svg
)

# cmake --install into a temporary prefix: the same files, the udev rule unchanged.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
staging="$work/prefix"
cmake --install "$build_dir" --prefix "$staging" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install $build_dir"; }
for file in "${installed_files[@]}"; do
    [ -f "$staging/$file" ] || fail "cmake --install puts $file under the prefix"
done
for program in tagwell tagwell-printer-sim; do
    [ -x "$staging/bin/$program" ] || fail "cmake --install: bin/$program is executable"
done
cmp -s "$staging/lib/udev/rules.d/60-tagwell-printers.rules" \
    "$source_dir/packaging/60-tagwell-printers.rules" ||
    fail "cmake --install: the udev rule is packaging/60-tagwell-printers.rules"
ok "cmake --install puts ${#installed_files[@]} files under the prefix"

# The package, from the tree as built: CPack only installs and archives.
rm -f "$build_dir"/tagwell_*.deb
(cd "$build_dir" && cpack -G DEB >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB in $build_dir"; }
debs=("$build_dir"/tagwell_*.deb)
[ -f "${debs[0]}" ] || fail "cpack wrote a tagwell_*.deb into $build_dir"
deb="${debs[0]}"
ok "package built: $(basename "$deb")"

contents="$(dpkg-deb -c "$deb")"
for file in "${installed_files[@]}"; do
    grep -q " \./usr/$file\$" <<<"$contents" || fail "the package holds /usr/$file"
done
# Access rights the Linux way: a group gets the devices through the udev rule, nothing in the
# package is writable by everyone (symbolic links show rwxrwxrwx and are left out).
if grep -v '^l' <<<"$contents" | grep -q '^.\{8\}w'; then
    fail "nothing in the package is world-writable"
fi
ok "the package holds the programs, udev rule, desktop entry and icon, none world-writable"

depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6gui6 qt6-translations-l10n libqt6widgets6; do
    grep -q "\b$package\b" <<<"$depends" || fail "the package depends on $package"
done
ok "the package declares its dependencies ($(tr -d ' ' <<<"$depends" | tr ',' '\n' | wc -l))"

export DEBIAN_FRONTEND=noninteractive
if ! "${sudo[@]}" dpkg -i "$deb" >"$work/dpkg.log" 2>&1; then
    echo "dpkg -i left dependencies missing; apt-get installs them"
fi
"${sudo[@]}" apt-get install -f -y -qq --no-install-recommends >"$work/apt.log" 2>&1 ||
    { cat "$work/dpkg.log" "$work/apt.log" >&2; fail "apt-get install -f"; }
[ "$(dpkg-query -W -f='${Status}' tagwell 2>/dev/null)" = "install ok installed" ] ||
    { cat "$work/dpkg.log" "$work/apt.log" >&2; fail "dpkg -i installs tagwell"; }
ok "installed: tagwell $(dpkg-query -W -f='${Version}' tagwell)"

help="$(/usr/bin/tagwell-printer-sim --help 2>&1)" ||
    fail "/usr/bin/tagwell-printer-sim --help exits 0"
grep -q -- "--port" <<<"$help" || fail "/usr/bin/tagwell-printer-sim --help lists its options"
ok "/usr/bin/tagwell-printer-sim --help lists its options"

[ -x /usr/bin/tagwell ] || fail "/usr/bin/tagwell is installed"
# Every library the programs link is on the machine: the declared dependencies were enough.
for program in /usr/bin/tagwell /usr/bin/tagwell-printer-sim; do
    if ldd "$program" | grep -q "not found"; then
        ldd "$program" | grep "not found" >&2
        fail "$program finds every library it links"
    fi
done
ok "/usr/bin/tagwell is installed and finds every library it links"

rule=/usr/lib/udev/rules.d/60-tagwell-printers.rules
[ -f "$rule" ] || fail "the udev rule is in udev's folder: $rule"
cmp -s "$rule" "$source_dir/packaging/60-tagwell-printers.rules" ||
    fail "$rule is packaging/60-tagwell-printers.rules"
ok "the udev rule is in udev's folder: $rule"

entry=/usr/share/applications/tagwell.desktop
[ -f "$entry" ] || fail "the desktop entry is installed: $entry"
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
ok "the desktop entry passes desktop-file-validate: $entry"

icon=/usr/share/icons/hicolor/scalable/apps/tagwell.svg
[ -f "$icon" ] || fail "the icon is in the hicolor theme: $icon"
ok "the icon is in the hicolor theme: $icon"
