#include "InfoCommand.h"

#include "skin/loading/SkinPathLoader.h"
#include "skin/loading/SkinReport.h"

namespace skintool {

std::string Info(const std::string& skinPath)
{
    const pp::TSkinFromPath loaded = pp::LoadSkinFromPath(skinPath);
    return pp::DescribeSkin(loaded.Skin, loaded.Options);
}

} // namespace skintool
