#pragma once
// The process-wide port. InitializePort picks the backend once at start
// (see PortChoice.h) and switches the trace on when PINDREL_PORT_TRACE names
// a file; every access then goes to that backend and into the trace.
#include "port/PortBackend.h"
#include "port/PortTraceWin32.h"

#include <memory>
#include <string>

namespace pp::port {

void InitializePort();
// Start-up from explicit settings instead of the environment (tests).
void InitializePort(const std::string& choiceSetting, const std::string& traceFile);
// The same with a trace already made (tests give one whose file fails).
void InitializePort(const std::string& choiceSetting, std::unique_ptr<TPortTrace> trace);
// Who hears, once, that the trace stopped while the program ran; it is
// called from inside the port access whose trace line failed.
void SetTraceStoppedHandler(TTraceStoppedHandler handler);
// Releases the backend and closes the trace.
void ShutdownPort();

// The process-wide port for code that drives it through the port interface.
TPortBackend& ProcessPort();

// The same port with the driver library's meaning: Out32 writes the low 8 bits
// of `value` to the I/O port and ignores the rest; Inp32 reads one byte and
// answers it as an integer (callers mask it).
void Out32(short port, int value);
int Inp32(short port);

// True when the user did not ask for the simulation but got it, because no
// usable driver library was found: the program must say so, so that nobody
// takes the simulation for the real port.
bool PortIsSimulatedByFallback();
// Everything the start found wrong with the port and its trace, as one text
// for one notice; empty when all is as the user asked.
std::string PortStartupNotice();
// "driver" or "sim", for display and tests.
std::string PortBackendName();

} // namespace pp::port
