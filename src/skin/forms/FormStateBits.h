#pragma once
// The transient states of a skinned form's animations, kept as bits as the
// other parts of the provider read them.
namespace pp {

enum TFormStateBit : unsigned {
    fsMovedByProvider = 0x1,
    fsBlendOnMoving = 0x80,
    // The minimize animation hid the form.
    fsMinimizeHid = 0x100,
    // The hide animation holds the frame image.
    fsHideHoldsFrame = 0x200,
    fsRestorePending = 0x400,
};

} // namespace pp
