#pragma once
// State the whole skin engine shares within the process. Everything runs on
// the GUI thread, so these are plain values.
namespace pp {

class TsSkinManager;

struct TSkinEngineState {
    // The first manager created; controls and forms not bound to a manager
    // use it.
    TsSkinManager* DefaultManager = nullptr;
    // A skin is being loaded or adjusted: painters must not trust the skin
    // data meanwhile.
    bool SkinLoading = false;
    // The windows are being told of a new skin.
    bool NewSkinBroadcast = false;
    // A skin editor drives the program to preview a skin it is editing.
    bool EditorPreviewMode = false;
};

inline TSkinEngineState SkinEngine;

// Sets one of these flags for a scope and gives back its earlier value,
// also when the scope is left by an exception.
class TFlagScope {
public:
    TFlagScope(bool& flag, bool value) : flag_(flag), previous_(flag) { flag_ = value; }
    ~TFlagScope() { flag_ = previous_; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace pp
