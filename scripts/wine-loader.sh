# Sourced by the scripts that run our 64-bit programs under Wine. With both
# of Debian's Wine loaders installed (wine64, and wine32 for 32-bit programs)
# the `wine` command starts the 32-bit one, which cannot start anything in a
# prefix made as 64-bit only ("could not load kernel32.dll"). So the 64-bit
# loader is called directly, for Wine's own programs too.
export WINELOADER=/usr/lib/wine/wine64
wine() { "$WINELOADER" "$@"; }
wineboot() { "$WINELOADER" wineboot "$@"; }
