#include "port/PortIoWin32.h"

#include "port/DriverPortWin32.h"
#include "port/PortChoice.h"
#include "port/PortNotices.h"
#include "port/PortTraceWin32.h"
#include "port/SimulatedPort.h"
#include "win/Text.h"

#include <windows.h>
#include <memory>
#include <vector>

namespace pp::port {
namespace {

// The process-wide port state: one backend and one trace, set at start.
struct TPortState {
    std::unique_ptr<TPortBackend> Backend;
    std::unique_ptr<TPortTrace> Trace;
    bool SimulatedByFallback = false;
    std::string BackendName;
    // What the user must hear of at start, in the order it was found.
    std::vector<std::string> StartupNotices;
    TTraceStoppedHandler TraceStopped;
};

TPortState& State()
{
    static TPortState state;
    return state;
}

// Any length: a long trace path cut off or dropped would leave the user
// believing a trace is written.
std::string EnvironmentValue(const wchar_t* name)
{
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    if (length == 0 || length >= size)
        return {};
    value.resize(length);
    return Utf8FromWide(value);
}

TPortBackend& Backend()
{
    if (!State().Backend)
        InitializePort();
    return *State().Backend;
}

// The driver library unless the simulation was asked for; the simulation,
// with a notice, when the library cannot be bound.
void ChooseBackend(TPortState& state, const TPortChoice& choice)
{
    state.Backend.reset();
    state.SimulatedByFallback = false;
    if (!choice.Understood)
        state.StartupNotices.push_back(UnknownPortSettingNotice());
    if (choice.Kind != TPortChoice::TKind::Simulated) {
        TDriverLoad driver = TDriverPort::Load();
        if (driver.Port) {
            state.Backend = std::move(driver.Port);
            state.BackendName = "driver";
            return;
        }
        state.SimulatedByFallback = true;
        state.StartupNotices.push_back(driver.Outcome == TDriverLoad::TOutcome::Unusable
                                           ? DriverUnusableNotice(driver.Where, driver.Reason)
                                           : DriverMissingNotice(driver.Where));
    }
    state.Backend = std::make_unique<TSimulatedPort>(choice.FixedReadValue);
    state.BackendName = "sim";
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
    InitializePort(choiceSetting, std::make_unique<TPortTrace>(traceFile));
}

void InitializePort(const std::string& choiceSetting, std::unique_ptr<TPortTrace> trace)
{
    TPortState& state = State();
    state.StartupNotices.clear();
    ChooseBackend(state, ParsePortChoice(choiceSetting));
    state.Trace = trace ? std::move(trace) : std::make_unique<TPortTrace>(std::string());
    if (!state.Trace->OpenNotice().empty())
        state.StartupNotices.push_back(state.Trace->OpenNotice());
    state.Trace->SetStoppedHandler(state.TraceStopped);
}

void SetTraceStoppedHandler(TTraceStoppedHandler handler)
{
    State().TraceStopped = std::move(handler);
    if (State().Trace)
        State().Trace->SetStoppedHandler(State().TraceStopped);
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

std::string PortStartupNotice()
{
    std::string text;
    for (const std::string& notice : State().StartupNotices)
        text += (text.empty() ? "" : "\n\n") + notice;
    return text;
}

} // namespace pp::port
