// A library under the driver's name that exports nothing: what a user gets
// who saved the wrong file under that name.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
