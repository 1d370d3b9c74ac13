#!/usr/bin/env bash
# The Windows installer as a user meets it, in a fresh Wine prefix of its own:
# the x64 package installs quietly for the user, puts the programs and data
# where its installed-programs entry says and a Start-menu shortcut to the
# installed caelor.exe; that program, started from the shortcut, shows its
# window, copies the Seasons report chosen from its menu as caelor-cli prints
# it, and saves the city list into the installed CITIES.DAT and a colour into
# the registry. A repair brings back a deleted program and keeps the saved
# list; the package of the next release replaces the program (its version
# resource says so) and keeps the list and the colour; uninstalling removes
# the programs, the shortcuts and the entry, and leaves the user's data. The
# x86 package, which cannot run here, installs the same files and shortcuts.
: "${BUILD_DIR:?BUILD_DIR must name the x86_64 build tree}"
RELEASE=$BUILD_DIR/e2e-release
export WINEPREFIX=$RELEASE/wineprefix
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/caelor_lib.sh"
: "${CAELOR_CLI:?CAELOR_CLI must name the native caelor-cli}"
: "${SOURCE_DIR:?SOURCE_DIR must name the source tree}"

MAKE_MSI=$SOURCE_DIR/packaging/windows/make-msi
FIXTURE=$BUILD_DIR/upgrade-fixture
version_of() { sed -n 's/^CAELOR_VERSION=//p' "$1"; }
VERSION=$(version_of "$SOURCE_DIR/VERSION")
NEXT=$(version_of "$FIXTURE/VERSION")
PUBLISHER=$(sed -n 's/^PUBLISHER=//p' "$SOURCE_DIR/VERSION")
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Every release keeps its colours here, whatever its own number.
COLORS_KEY='HKCU\Software\Quillfen\Skyloom 2\2.02'
VK_RETURN=13
VK_ALT=18
VK_DOWN=40
VK_E=69
VK_R=82
VK_S=83
START_YEAR=115
STOP_YEAR=117
SET="Set Location"
SET_NAME=201
SET_SAVE=214

rm -rf "$RELEASE"
mkdir -p "$RELEASE"
started=$(date +%s)

# (a) The packages: this release for x64 and x86, and the next release's x64
# package, whose caelor.exe is the upgrade fixture.
E2E_STEP="building the packages"
PACKAGE=$RELEASE/skyloom2-$VERSION-x64.msi
NEXT_PACKAGE=$RELEASE/skyloom2-$NEXT-x64.msi
"$MAKE_MSI" --arch x64 --programs "$BUILD_DIR" --out "$PACKAGE" || fail "the x64 package was not built"
mkdir -p "$RELEASE/next"
cp "$FIXTURE/caelor.exe" "$BUILD_DIR/varnixpc.exe" "$RELEASE/next/"
"$MAKE_MSI" --arch x64 --programs "$RELEASE/next" --version-file "$FIXTURE/VERSION" \
    --out "$NEXT_PACKAGE" || fail "the next release's package was not built"

# What a package installs: its files, shortcuts and folders, and the
# components' folders and key paths, without what differs by architecture
# (sizes, component codes, the 64-bit mark).
layout() {
    msiinfo export "$1" File | tail -n +4 | awk -F'\t' '{ print "file", $1, $2, $3 }' | sort
    msiinfo export "$1" Shortcut | tail -n +4 | sed 's/^/shortcut /' | sort
    msiinfo export "$1" Directory | tail -n +4 | sed 's/^/directory /' | sort
    msiinfo export "$1" Component | tail -n +4 | awk -F'\t' '{ print "component", $1, $3, $6 }' | sort
    msiinfo export "$1" RemoveFile | tail -n +4 | sed 's/^/remove /' | sort
}
if [ -f "${CAELOR_WIN32_DIR:-}/caelor.exe" ]; then
    "$MAKE_MSI" --arch x86 --programs "$CAELOR_WIN32_DIR" --out "$RELEASE/skyloom2-$VERSION-x86.msi" ||
        fail "the x86 package was not built"
    layout "$PACKAGE" >"$RELEASE/layout-x64.txt"
    layout "$RELEASE/skyloom2-$VERSION-x86.msi" >"$RELEASE/layout-x86.txt"
    diff "$RELEASE/layout-x64.txt" "$RELEASE/layout-x86.txt" || fail "the x86 package installs otherwise"
    grep -q "^file CaelorExe CaelorExe caelor.exe$" "$RELEASE/layout-x86.txt" ||
        fail "the x86 package has no caelor.exe"
    msiinfo suminfo "$RELEASE/skyloom2-$VERSION-x86.msi" | grep -q "^Template: Intel;" ||
        fail "the x86 package is not for Intel"
    echo "x86 package: the same $(grep -c '^file' "$RELEASE/layout-x86.txt") files," \
        "$(grep -c '^shortcut' "$RELEASE/layout-x86.txt") shortcuts and folders as the x64 one"
elif [ "${CI:-}" = true ]; then
    fail "no i686 build in '${CAELOR_WIN32_DIR:-}' for the x86 package"
else
    echo "x86 package: not checked, the i686 build tree is not built"
fi

e2e_setup

# Every Windows Installer run is quiet and ends with its exit code.
msiexec() {
    E2E_STEP="msiexec $*"
    timeout -k 5 180 "$WINE" msiexec "$@" /qn
}
# The installed-programs entries named Skyloom 2, as Wine's own list shows
# them: "{product code}|||Skyloom 2".
entries() { timeout -k 5 60 "$WINE" uninstaller --list | tr -d '\r' | grep '|||Skyloom 2$'; }
reg_value() { # KEY NAME
    timeout -k 5 60 "$WINE" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
unix_path() { timeout -k 5 60 "$WINE" winepath -u "$1" | tr -d '\r'; }
colors() { timeout -k 5 60 "$WINE" reg query "$COLORS_KEY" /s 2>/dev/null | tr -d '\r'; }

# The Sun's colour in the Assign Colors chooser of the running program, which
# is left open.
open_sun_chooser() {
    e2e_driver post-command "$CL_MAIN" 120 5000 >/dev/null || fail "cannot choose Assign Colors"
    e2e_driver wait-window "Assign Colors" 10000 >/dev/null || fail "no Assign Colors dialog"
    e2e_driver dialog-command "Assign Colors" 200 5000 >/dev/null || fail "no Sun... button"
    e2e_driver wait-window "Color" 10000 >/dev/null || fail "no colour chooser"
}
close_dialog() { # TITLE BUTTON
    e2e_driver dialog-command "$1" "$2" 5000 >/dev/null || fail "cannot press $2 in $1"
    e2e_driver wait-gone "$1" 10000 >/dev/null || fail "\"$1\" stayed open"
}
chooser_rgb() {
    local c v out=""
    for c in 706 707 708; do
        v=$(e2e_driver field-state "Color" $c 5000 | tr -d '\r' | sed 's/^\[\(.*\)\] checked.*/\1/')
        out="$out${out:+,}$v"
    done
    echo "$out"
}

# (b) Install: the entry says what and where; the files are there.
msiexec /i "$(winpath "$PACKAGE")" || fail "msiexec /i failed"
[ "$(entries | wc -l)" = 1 ] || fail "no single installed-programs entry: $(entries)"
code=$(entries | cut -d'|' -f1)
key="$UNINSTALL_KEY\\$code"
[ "$(reg_value "$key" DisplayName)" = "Skyloom 2" ] || fail "the entry is not named Skyloom 2"
[ "$(reg_value "$key" DisplayVersion)" = "$VERSION" ] || fail "the entry's version is not $VERSION"
[ "$(reg_value "$key" Publisher)" = "$PUBLISHER" ] || fail "the entry's publisher is not $PUBLISHER"
location=$(reg_value "$key" InstallLocation)
case $location in
*'\AppData\Local\Programs\Skyloom 2\') ;;
*) fail "installed in '$location', not in the user's Programs folder" ;;
esac
DIR=$(unix_path "$location")
cmp "$BUILD_DIR/caelor.exe" "$DIR/caelor.exe" || fail "caelor.exe is not the built one"
cmp "$BUILD_DIR/varnixpc.exe" "$DIR/varnixpc.exe" || fail "varnixpc.exe is not the built one"
cmp "$SOURCE_DIR/caelor/data/CITIES.DAT" "$DIR/CITIES.DAT" || fail "CITIES.DAT is not the shipped one"
cmp "$SOURCE_DIR/caelor/data/STARS.DAT" "$DIR/STARS.DAT" || fail "STARS.DAT is not the shipped one"
grep -q "^Skyloom 2 release $VERSION, VarnixPC release .*"$'\r$' "$DIR/README.txt" ||
    fail "README.txt does not name the release in CR LF text"
echo "install: $(basename "$PACKAGE") -> $location ($(cd "$DIR" && echo *));" \
    "entry $code: Skyloom 2 $VERSION by $PUBLISHER"

# The Start-menu shortcuts lead to the installed programs.
menu="$(timeout -k 5 60 "$WINE" cmd /c echo %APPDATA% | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Skyloom 2"
MENU_DIR=$(unix_path "$menu")
shortcut_target() { # NAME
    e2e_driver shortcut-target "$menu\\$1.lnk" | tr -d '\r' | sed -n 's/^target //p'
}
for pair in "Skyloom 2=caelor.exe" "VarnixPC=varnixpc.exe"; do
    target=$(shortcut_target "${pair%%=*}")
    [ "${target,,}" = "${location,,}${pair#*=}" ] ||
        fail "the shortcut \"${pair%%=*}\" leads to '$target', not to ${location}${pair#*=}"
    echo "shortcut: Start Menu\\Programs\\Skyloom 2\\${pair%%=*}.lnk -> $target"
done
before=$(e2e_driver file-version "${location}caelor.exe" | tr -d '\r')
grep -qx "FileVersion $VERSION" <<<"$before" || fail "caelor.exe says: $before"

# (c) Run the installed program from its shortcut: its window, the Seasons
# report from the menu as caelor-cli prints it at the place it starts at.
e2e_start start /wait "$menu\\Skyloom 2.lnk"
CL_PID=$E2E_LAST_PID
cl_wait_main
place=$(head -1 "$DIR/CITIES.DAT" | tr -d '\r')
e2e_driver keys "$CL_MAIN" $VK_ALT+$VK_R >/dev/null || fail "cannot press Alt+R"
e2e_driver wait-menu 10000 >/dev/null || fail "Alt+R did not open the Reports menu"
e2e_driver keys "$CL_MAIN" $VK_DOWN $VK_DOWN $VK_RETURN >/dev/null || fail "cannot choose Seasons"
e2e_driver wait-window "Seasons" 10000 >/dev/null || fail "no Seasons dialog"
e2e_driver set-text "Seasons" $START_YEAR 2026 5000 >/dev/null || fail "no start year field"
e2e_driver set-text "Seasons" $STOP_YEAR 2026 5000 >/dev/null || fail "no stop year field"
e2e_driver dialog-command "Seasons" $IDOK 5000 >/dev/null || fail "cannot press OK"
e2e_driver wait-scroll-bars "$CL_MAIN" 60000 >/dev/null || fail "the Seasons report did not finish"
e2e_screenshot release-installed-seasons
e2e_driver keys "$CL_MAIN" $VK_ALT+$VK_E >/dev/null || fail "cannot press Alt+E"
e2e_driver wait-menu 10000 >/dev/null || fail "Alt+E did not open the Edit menu"
e2e_driver keys "$CL_MAIN" $VK_RETURN >/dev/null || fail "cannot choose Copy"
e2e_driver wait-menu 10000 closed >/dev/null || fail "the Edit menu stayed open"
e2e_driver clipboard-text "$(winpath "$RELEASE/seasons-clipboard.txt")" >/dev/null ||
    fail "no Seasons text on the clipboard"
"$CAELOR_CLI" report seasons --years 2026-2026 --place "$place" --cities "$DIR/CITIES.DAT" \
    >"$RELEASE/seasons-native.txt" || fail "caelor-cli report seasons failed"
tr -d '\r' <"$RELEASE/seasons-clipboard.txt" | cmp - "$RELEASE/seasons-native.txt" ||
    fail "the copied Seasons report differs from caelor-cli's"
echo "run: the installed caelor.exe shows \"$CL_MAIN\"; Seasons 2026 at $place copied:" \
    "$(wc -l <"$RELEASE/seasons-native.txt") lines as caelor-cli prints them"

# Set Location > Save writes the installed city list: Paris first.
e2e_driver keys "$CL_MAIN" $VK_ALT+$VK_S >/dev/null || fail "cannot press Alt+S"
e2e_driver wait-menu 10000 >/dev/null || fail "Alt+S did not open the Settings menu"
e2e_driver keys "$CL_MAIN" $VK_RETURN >/dev/null || fail "cannot choose Set Location"
e2e_driver wait-window "$SET" 10000 >/dev/null || fail "no Set Location dialog"
e2e_driver choose-city "$SET" $SET_NAME "Paris" 5000 >/dev/null || fail "no Paris in the list"
e2e_driver dialog-command "$SET" $SET_SAVE 5000 >/dev/null || fail "cannot press Save"
e2e_driver wait-gone "$SET" 10000 >/dev/null || fail "Set Location stayed open"
{
    echo "Paris"
    tail -n +2 "$SOURCE_DIR/caelor/data/CITIES.DAT"
} | sed 's/$/\r/' >"$RELEASE/CITIES.saved"
cmp "$RELEASE/CITIES.saved" "$DIR/CITIES.DAT" || fail "Save did not write the installed CITIES.DAT"
echo "save: Set Location > Save wrote $location""CITIES.DAT (Paris first)"

# A colour assigned and saved at exit goes to the registry.
open_sun_chooser
e2e_driver set-text "Color" 706 0 5000 >/dev/null
e2e_driver set-text "Color" 707 128 5000 >/dev/null
e2e_driver set-text "Color" 708 255 5000 >/dev/null
close_dialog "Color" $IDOK
close_dialog "Assign Colors" $IDOK
e2e_driver post-command "$CL_MAIN" 51 5000 >/dev/null || fail "cannot choose File > Exit"
e2e_driver answer-box "$CL_MAIN" $IDYES 10000 | grep -q "Save assigned colors?" ||
    fail "no question about the colours at exit"
e2e_expect_exit "$CL_PID" 0 20
colors >"$RELEASE/colors.saved"
grep -A1 '\\Sun$' "$RELEASE/colors.saved" | grep -q 'REG_SZ *0,128,255$' ||
    fail "the Sun's colour was not saved: $(cat "$RELEASE/colors.saved")"

# (d) Repair: a deleted program comes back, the saved list stays.
rm "$DIR/varnixpc.exe"
msiexec /i "$(winpath "$PACKAGE")" REINSTALL=ALL REINSTALLMODE=omus || fail "the repair failed"
cmp "$BUILD_DIR/varnixpc.exe" "$DIR/varnixpc.exe" || fail "the repair did not bring varnixpc.exe back"
cmp "$RELEASE/CITIES.saved" "$DIR/CITIES.DAT" || fail "the repair replaced the saved CITIES.DAT"
echo "repair: varnixpc.exe back, the saved CITIES.DAT kept"

# (e) Upgrade to the next release: one entry, the new program, the user's
# city list and colour as they were.
msiexec /i "$(winpath "$NEXT_PACKAGE")" || fail "installing the next release failed"
[ "$(entries | wc -l)" = 1 ] || fail "not one installed-programs entry after the upgrade: $(entries)"
next_code=$(entries | cut -d'|' -f1)
[ "$next_code" != "$code" ] || fail "the next release kept the old product code"
key="$UNINSTALL_KEY\\$next_code"
[ "$(reg_value "$key" DisplayVersion)" = "$NEXT" ] || fail "the entry's version is not $NEXT"
[ "$(reg_value "$key" InstallLocation)" = "$location" ] || fail "the next release moved"
after=$(e2e_driver file-version "${location}caelor.exe" | tr -d '\r')
grep -qx "FileVersion $NEXT" <<<"$after" || fail "the upgraded caelor.exe says: $after"
cmp "$FIXTURE/caelor.exe" "$DIR/caelor.exe" || fail "caelor.exe is not the next release's"
cmp "$RELEASE/CITIES.saved" "$DIR/CITIES.DAT" || fail "the upgrade replaced the saved CITIES.DAT"
colors | cmp -s - "$RELEASE/colors.saved" || fail "the upgrade changed the saved colours"
# The next release, started from the shortcut, shows the colour saved.
e2e_start start /wait "$menu\\Skyloom 2.lnk"
CL_PID=$E2E_LAST_PID
cl_wait_main
open_sun_chooser
sun=$(chooser_rgb)
[ "$sun" = "0,128,255" ] || fail "the next release's Sun is $sun, not the saved 0,128,255"
close_dialog "Color" $IDCANCEL
close_dialog "Assign Colors" $IDCANCEL
cl_close
echo "upgrade: $(basename "$NEXT_PACKAGE") replaced $code by $next_code;" \
    "caelor.exe $(grep '^FILEVERSION' <<<"$before") \"$(sed -n 's/^FileVersion //p' <<<"$before")\"" \
    "-> $(grep '^FILEVERSION' <<<"$after") \"$(sed -n 's/^FileVersion //p' <<<"$after")\";" \
    "the saved CITIES.DAT kept; the new program shows the saved Sun colour $sun"

# (f) Uninstall, by the entry's product code as the installed-programs list
# does: programs, shortcuts and entry gone; the user's data stays.
msiexec /x "$next_code" || fail "msiexec /x failed"
[ -z "$(entries)" ] || fail "the installed-programs entry stayed: $(entries)"
timeout -k 5 60 "$WINE" reg query "$key" >/dev/null 2>&1 && fail "the uninstall key stayed"
for f in caelor.exe varnixpc.exe STARS.DAT README.txt; do
    [ -e "$DIR/$f" ] && fail "$f stayed after the uninstall"
done
[ -e "$MENU_DIR" ] && fail "the Start-menu folder stayed: $(ls "$MENU_DIR")"
cmp "$RELEASE/CITIES.saved" "$DIR/CITIES.DAT" || fail "the uninstall took the saved CITIES.DAT"
colors | cmp -s - "$RELEASE/colors.saved" || fail "the uninstall changed the saved colours"
echo "uninstall: msiexec /x $next_code removed the programs, the Start-menu shortcuts and the" \
    "entry; left $location""CITIES.DAT and the colours"
echo "release test: $(($(date +%s) - started)) s"
echo "PASS"
