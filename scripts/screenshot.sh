#!/usr/bin/env bash
# Pictures of the editor with the example image opened through the Open
# command, taken under a virtual X display.
#
#   scripts/screenshot.sh [OUT]       the editor as it is: docs/screenshot.png
#   scripts/screenshot.sh --all       that one and the four below
#   scripts/screenshot.sh --de --ar --200 --dark   only the ones named:
#     --de    docs/screenshot-de.png    in German
#     --ar    docs/screenshot-ar.png    in Arabic, laid out right to left
#     --200   docs/screenshot-200.png   at 200 % on a 1366 x 768 screen, in
#                                       the window size the editor chooses
#     --dark  docs/screenshot-dark.png  a dark GTK desktop (Adwaita:dark)
#
# The languages come the way a desktop gives them, through the environment:
# the editor follows the system locale. VELMAR=path runs another build of the
# editor (a worktree without a build of its own, for example).
set -euo pipefail
cd "$(dirname "$0")/.."
app="${VELMAR:-build/${PRESET:-release}/app/velmar}"

usage() {
    sed -n '4,12p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit "${1:-2}"
}

kinds=()
out=""
for arg in "$@"; do
    case "$arg" in
    --all) kinds+=(default de ar 200 dark) ;;
    --de | --ar | --200 | --dark) kinds+=("${arg#--}") ;;
    -h | --help) usage 0 ;;
    -*) echo "screenshot.sh: unknown option $arg" >&2; usage ;;
    *)
        [[ -z $out ]] || usage
        out="$arg"
        ;;
    esac
done
[[ ${#kinds[@]} -gt 0 && -n $out ]] && { echo "screenshot.sh: OUT goes with no option" >&2; exit 2; }
[[ ${#kinds[@]} -eq 0 ]] && kinds=(default)

temp="$(mktemp -d)"
trap 'rm -rf "$temp"' EXIT

# shoot OUT SCREEN [NAME=VALUE...] -- [EDITOR OPTION...]: one run of the editor
# on a virtual screen, in the desktop's environment given before the "--". Each
# run has a temporary folder of its own, so that no working copy another run
# left behind makes the editor ask about it.
shoot() {
    local file="$1" screen="$2"
    shift 2
    local -a vars=()
    while [[ $# -gt 0 && $1 != -- ]]; do
        vars+=("$1")
        shift
    done
    shift
    mkdir -p "$(dirname "$file")"
    rm -f "$file"
    local own
    own="$(mktemp -d "$temp/run.XXXXXX")"
    env TMPDIR="$own" "${vars[@]}" xvfb-run -a -s "-screen 0 $screen" "$app" \
        --open examples/demo-satellite.bin --screenshot "$file" "$@"
    [[ -s $file ]] || { echo "screenshot.sh: no picture in $file" >&2; exit 1; }
    echo "wrote $file"
}

# A window wide enough for the channel lists' Name columns to show whole names.
wide=(-geometry 1600x900+0+0)
for kind in "${kinds[@]}"; do
    case "$kind" in
    default) shoot "${out:-docs/screenshot.png}" 1600x1000x24 -- "${wide[@]}" ;;
    # LC_ALL as well, so that a caller's LC_ALL does not outrank the language.
    de) shoot docs/screenshot-de.png 1600x1000x24 LANG=de_DE.UTF-8 LANGUAGE=de \
        LC_ALL=de_DE.UTF-8 -- "${wide[@]}" ;;
    ar) shoot docs/screenshot-ar.png 1600x1000x24 LANG=ar_EG.UTF-8 LANGUAGE=ar \
        LC_ALL=ar_EG.UTF-8 -- "${wide[@]}" ;;
    # No -geometry: how big the window starts on a small screen at 200 % is
    # what this picture shows.
    200) shoot docs/screenshot-200.png 1366x768x24 QT_SCALE_FACTOR=2 -- ;;
    # How a GNOME desktop with the dark style makes Qt programs dark: Qt's GTK 3
    # platform theme takes the palette and icons from the GTK theme.
    dark) shoot docs/screenshot-dark.png 1600x1000x24 QT_QPA_PLATFORMTHEME=gtk3 \
        GTK_THEME=Adwaita:dark -- "${wide[@]}" ;;
    esac
done
