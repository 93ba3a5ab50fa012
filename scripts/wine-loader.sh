# Sourced by the scripts that run our programs under Wine. With both of
# Debian's Wine loaders installed (wine64, and wine32 for 32-bit programs)
# the `wine` command starts the 32-bit one, which cannot start anything in a
# prefix made as 64-bit only ("could not load kernel32.dll"). So the 64-bit
# loader is called directly, for Wine's own programs too; in a 64-bit (WoW64)
# prefix it hands 32-bit programs to the 32-bit loader by itself.
export WINELOADER=/usr/lib/wine/wine64
wine() { "$WINELOADER" "$@"; }
wineboot() { "$WINELOADER" wineboot "$@"; }

# A prefix that is 32-bit Windows, as the 32-bit program meets it on a 32-bit
# system, is made and run by the 32-bit loader alone.
use_32bit_wine() { export WINELOADER=/usr/lib/wine/wine WINEARCH=win32; }

# Our programs run in the prefix given, quietly (no debug output, no Mono or
# Gecko prompts) and in the ANSI code page they are written for (1252): a
# host with another locale must not change it.
use_wine_prefix() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
}
