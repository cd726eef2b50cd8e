#include "skin/loading/SkinVersionNotice.h"

#include "core/StringList.h"

namespace pp {

TSkinVersionNotice ClassifySkinVersion(double version, bool askedForOldSkinNotice)
{
    if (version >= 7 && version > 8.99)
        return TSkinVersionNotice::TooNew;
    if (version < 7 && askedForOldSkinNotice)
        return TSkinVersionNotice::TooOld;
    return TSkinVersionNotice::None;
}

std::string TooNewSkinText()
{
    return "This version of the skin have not complete support by used Lumivex package release.\r\n"
           "Components must be updated up to latest version for using this skin.";
}

std::string OldSkinText(const std::string& skinName)
{
    return "You are using an old version of the \"" + skinName +
           "\" skin. "
           "Please, update a skins to latest or link with the Lumivex support for upgrading of existing skin."
           "\r\n\r\n"
           "This notification occurs in design-time only for your information and will not occur in "
           "real-time.";
}

bool HasOldSkinNoticeSwitch(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments)
        if (AsciiSameText(argument, "/actest"))
            return true;
    return false;
}

} // namespace pp
