#pragma once
// What a form's skin provider runs when the platform asks whether the
// session may end: the running fades are brought to their end and waited
// for, so that none of them paints into a closing session. The fade
// effects fill the slot in; while it is empty the question is passed on
// at once.
#include <functional>

namespace pp {

inline std::function<void()> SessionEndWait;

} // namespace pp
