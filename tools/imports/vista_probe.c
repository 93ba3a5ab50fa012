/* Imports a function that Windows has only from Vista on: the import check
   must refuse this program. */
#include <windows.h>

int main(void) { return (int)(GetTickCount64() & 1); }
