#include "port/PortIoWin32.h"

#include "port/DriverPortWin32.h"
#include "port/PortChoice.h"
#include "port/PortTraceWin32.h"
#include "port/SimulatedPort.h"
#include "win/Text.h"

#include <windows.h>
#include <memory>

namespace pp::port {
namespace {

// The process-wide port state: one backend and one trace, set at start.
struct TPortState {
    std::unique_ptr<TPortBackend> Backend;
    std::unique_ptr<TPortTrace> Trace;
    bool SimulatedByFallback = false;
    bool SettingUnderstood = true;
    std::string BackendName;
};

TPortState& State()
{
    static TPortState state;
    return state;
}

std::string EnvironmentValue(const wchar_t* name)
{
    wchar_t buffer[1024];
    const DWORD n = GetEnvironmentVariableW(name, buffer, 1024);
    if (n == 0 || n >= 1024)
        return {};
    return Utf8FromWide(std::wstring(buffer, n));
}

TPortBackend& Backend()
{
    if (!State().Backend)
        InitializePort();
    return *State().Backend;
}

// Every access goes to the chosen backend, then into the trace.
class TTracedProcessPort final : public TPortBackend {
public:
    void Write(std::uint16_t port, std::uint8_t value) override
    {
        Backend().Write(port, value);
        if (State().Trace)
            State().Trace->Record('W', port, value);
    }
    int Read(std::uint16_t port) override
    {
        const int value = Backend().Read(port);
        if (State().Trace)
            State().Trace->Record('R', port, value);
        return value;
    }
};

} // namespace

void InitializePort()
{
    InitializePort(EnvironmentValue(L"PINDREL_PORT"), EnvironmentValue(L"PINDREL_PORT_TRACE"));
}

void InitializePort(const std::string& choiceSetting, const std::string& traceFile)
{
    TPortState& state = State();
    const TPortChoice choice = ParsePortChoice(choiceSetting);
    state.SettingUnderstood = choice.Understood;
    state.SimulatedByFallback = false;
    state.Backend.reset();
    if (choice.Kind != TPortChoice::TKind::Simulated)
        state.Backend = TDriverPort::TryLoad();
    if (state.Backend) {
        state.BackendName = "driver";
    } else {
        state.Backend = std::make_unique<TSimulatedPort>(choice.FixedReadValue);
        state.BackendName = "sim";
        state.SimulatedByFallback = choice.Kind != TPortChoice::TKind::Simulated;
    }
    state.Trace = std::make_unique<TPortTrace>(traceFile);
}

void ShutdownPort()
{
    State().Backend.reset();
    State().Trace.reset();
}

TPortBackend& ProcessPort()
{
    static TTracedProcessPort port;
    return port;
}

void Out32(short port, int value)
{
    ProcessPort().Write(static_cast<std::uint16_t>(port), static_cast<std::uint8_t>(value & 0xFF));
}

int Inp32(short port) { return ProcessPort().Read(static_cast<std::uint16_t>(port)); }

bool PortIsSimulatedByFallback() { return State().SimulatedByFallback; }

std::string PortBackendName() { return State().BackendName; }

std::string PortFallbackMessage()
{
    const std::string library = Utf8FromWide(DriverLibraryName());
    std::string message = "Драйвер порта " + library + " не найден: порт имитируется.";
    if (!State().SettingUnderstood)
        message = "Значение PINDREL_PORT не распознано (ожидается driver, sim или sim:N). " + message;
    return message;
}

} // namespace pp::port
