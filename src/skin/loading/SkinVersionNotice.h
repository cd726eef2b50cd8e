#pragma once
// What the manager tells the user about a skin made for another release of
// the engine. Skins from 7 to 8.99 are current and load silently.
#include <string>
#include <vector>

namespace pp {

enum class TSkinVersionNotice {
    None,
    TooNew, // a warning box; standard dialogs stay unskinned while it shows
    TooOld, // a plain message, only when the user asked for skin checks
};

// `askedForOldSkinNotice` is true when the program was started with
// "/actest" (any letter case).
TSkinVersionNotice ClassifySkinVersion(double version, bool askedForOldSkinNotice);

std::string TooNewSkinText();
std::string OldSkinText(const std::string& skinName);

// True when one of the arguments, lower-cased, is "/actest".
bool HasOldSkinNoticeSwitch(const std::vector<std::string>& arguments);

} // namespace pp
