# Shared settings for the build and Wine scripts; sourced, not run.
PIXMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PIXMORA_BUILD=${PIXMORA_BUILD:-$PIXMORA_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$PIXMORA_BUILD/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs when the prefix is created.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine reads file names in the locale's encoding; UTF-8 keeps Chinese names intact.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
PIXMORA_WINE=/usr/lib/wine/wine64
PIXMORA_WINESERVER=/usr/lib/wine/wineserver
[ -x "$PIXMORA_WINESERVER" ] || PIXMORA_WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
export WINESERVER=$PIXMORA_WINESERVER
