#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    MessageBoxW(nullptr, L"LPT Pindrel_Port 888", L"Pindrel_port", MB_OK);
    return 0;
}
