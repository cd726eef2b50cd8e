#pragma once
// The main form minimizes and restores as the application: its minimize
// and restore commands reach the application's window, and this hook on
// that window's messages plays the main form's animations around them.
namespace pp {

// Joins the skin manager's hook on the application window's messages; once.
void InstallMainFormAnimations();

} // namespace pp
