# Sourced by the scripts that run our 64-bit programs under Wine. With both
# of Debian's Wine loaders installed (wine64, and wine32 for 32-bit programs)
# the `wine` command starts the 32-bit one, which cannot start anything in a
# prefix made as 64-bit only ("could not load kernel32.dll"). So the 64-bit
# loader is called directly, for Wine's own programs too.
export WINELOADER=/usr/lib/wine/wine64
wine() { "$WINELOADER" "$@"; }
wineboot() { "$WINELOADER" wineboot "$@"; }

# Our programs run in the prefix given, quietly (no debug output, no Mono or
# Gecko prompts) and in the ANSI code page they are written for (1252): a
# host with another locale must not change it.
use_wine_prefix() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
}
