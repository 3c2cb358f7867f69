#!/bin/sh
# The Windows installer under wine, on a virtual display of its own. A silent
# install (/S) for the current user puts the files, the Start menu entry and the
# registry keys in place: the uninstaller's entry, .flg files' "Open with" choice
# and their default program. A silent uninstall leaves none of them. The same for
# all users (/AllUsers), where a .flg file opened by the shell (wine start)
# starts the window with the file loaded: its Convert makes a scenario, so
# closing asks. Wine's shell reads file types from the machine's classes only,
# so the current user's install cannot show that here, as Windows would.
#
# Usage: windows_installer_test.sh SETUP_EXE   (in the wine of WINEPREFIX)
set -u
setup=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/flg2scn-setup.XXXXXX")
. "$(dirname "$0")/../win32/own_display.sh"
cr=$(printf '\r')
# value ROOT KEY NAME: a registry value's data, or nothing; /ve for the default.
value() {
    wine reg query "$1\\$2" $([ "$3" = /ve ] && echo /ve || echo /v "$3") 2>/dev/null |
        tr -d "$cr" | sed -n 's/^ .*REG_[A-Z_]* *//p'
}
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\flg2scn'
# What the install puts in the registry, as "name=data" lines.
keys() {
    root=$1
    for row in "$uninstall_key|InstallLocation" "$uninstall_key|QuietUninstallString" \
        'Software\Classes\.flg|/ve' 'Software\Classes\.flg\OpenWithProgids|flg2scn.flg' \
        'Software\Classes\flg2scn.flg\shell\open\command|/ve' \
        'Software\Classes\Applications\flg2scn.exe\shell\open\command|/ve'; do
        printf '%s=%s\n' "${row#*|}" "$(value "$root" "${row%|*}" "${row#*|}")"
    done
}

printf '#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n' >harbour.flg
for mode in current all; do
    root=HKCU
    menu=$(wine cmd /c echo %APPDATA% | tr -d "$cr")
    options=/S
    if [ "$mode" = all ]; then
        root=HKLM
        menu=$(wine cmd /c echo %ALLUSERSPROFILE% | tr -d "$cr")
        options="/S /AllUsers"
    fi
    menu="$(winepath -u "$menu")/Microsoft/Windows/Start Menu/Programs/flg2scn.lnk"
    # A run cut off before may have left its install.
    left=$(value "$root" "$uninstall_key" InstallLocation)
    [ -n "$left" ] && wine "$(winepath -u "$left")/uninstall.exe" /S
    poll 200 sh -c "! wine reg query '$root\\$uninstall_key'"

    # shellcheck disable=SC2086 # the options are words
    wine "$setup" $options || fail "$mode: setup ended with status $?"
    folder=$(value "$root" "$uninstall_key" InstallLocation)
    [ -n "$folder" ] || { fail "$mode: no uninstaller's entry"; continue; }
    dir=$(winepath -u "$folder")
    [ "$(ls "$dir" | tr '\n' ' ')" = "README.txt copyright.txt flg2scn-cli.exe flg2scn.exe uninstall.exe " ] ||
        fail "$mode: the folder holds $(ls "$dir" | tr '\n' ' ')"
    [ -f "$menu" ] || fail "$mode: no Start menu entry at $menu"
    command="\"$folder\\flg2scn.exe\" \"%1\""
    expected="InstallLocation=$folder
QuietUninstallString=\"$folder\\uninstall.exe\" /S
/ve=flg2scn.flg
flg2scn.flg=
/ve=$command
/ve=$command"
    [ "$(keys "$root")" = "$expected" ] || fail "$mode: the keys are
$(keys "$root")"

    if [ "$mode" = all ]; then
        wine start /unix "$work/harbour.flg" >/dev/null 2>&1 &
        main_window || fail "wine start harbour.flg shows no window"
        xdotool key alt+c alt+F4
        # Converted, the text has changed: closing asks. An empty one would tell
        # "Nothing to convert!" instead.
        poll 400 sh -c "xdotool search --name '^(Exit|Error)\$'"
        [ -n "$(xdotool search --name '^Exit$')" ] || fail "harbour.flg was not loaded"
        xdotool key n
        poll 400 sh -c "! xdotool search --name '^Tovrin'" || fail "the window stays"
    fi

    # The uninstaller copies itself away to remove its folder, and ends at once.
    wine "$dir/uninstall.exe" /S
    poll 400 sh -c "[ ! -e '$dir' ]" || fail "$mode: $dir stays: $(ls "$dir")"
    [ ! -e "$menu" ] || fail "$mode: the Start menu entry stays"
    [ "$(keys "$root")" = "InstallLocation=
QuietUninstallString=
/ve=
flg2scn.flg=
/ve=
/ve=" ] || fail "$mode: keys stay:
$(keys "$root")"
    ! wine reg query "$root\\Software\\Classes\\.flg" >/dev/null 2>&1 ||
        fail "$mode: the .flg key stays"
done
[ "$failed" = 0 ] && echo "the installer installs for one user and for all, and uninstalls"
exit "$failed"
