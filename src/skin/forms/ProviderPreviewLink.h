#pragma once
// The main form's side of the skin preview: a provider made while the
// program runs with "/acpreview" tells the editing tool the main form's
// window, answers the tool's 0xA400 questions, and hands the previewed
// skin records that reach that window to the skin manager.
#include "toolkit/Messages.h"

#include <functional>

namespace pp {

class TCustomForm;
class TsSkinManager;

class TProviderPreviewLink {
public:
    using TCallPrevious = std::function<void(TMessage&)>;

    // Whether previews are wanted is asked once, when the provider is made.
    explicit TProviderPreviewLink(TCustomForm& form);

    // Runs before the provider handles any message of the form; true when
    // the message has been answered here.
    bool Handle(TMessage& message, TsSkinManager* manager, const TCallPrevious& callPrevious);

private:
    void AnnounceOnce();
    bool PassSkinRecord(TMessage& message, TsSkinManager* manager, const TCallPrevious& callPrevious);

    TCustomForm& form_;
    bool enabled_ = false;
    bool announced_ = false;
    bool applying_ = false;
};

} // namespace pp
