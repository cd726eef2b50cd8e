#pragma once
// Failures the toolkit itself raises.
#include "core/Error.h"

namespace pp {

// The platform ran out of something (timers, handles).
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// An operation not allowed in the object's present state.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// Ends a command quietly: the top-level handler does not show it.
class EAbort : public Exception {
public:
    using Exception::Exception;
};

} // namespace pp
