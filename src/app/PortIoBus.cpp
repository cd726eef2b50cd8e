#include "app/PortIoBus.h"

#include "port/PortIo.h"

namespace pp::app {

void TPortIoBus::Write(int value) { port::Out32(DataPortAddress, value); }

int TPortIoBus::Read() { return port::Inp32(DataPortAddress); }

} // namespace pp::app
