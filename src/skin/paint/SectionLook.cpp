#include "skin/paint/SectionLook.h"

namespace pp {
namespace {

constexpr int HiddenInNormalState = 2;
constexpr int PaintsCentre = 4;

int DrawMode(const TsLoadedSkin& skin, int imageIndex)
{
    return skin.IsValidImgIndex(imageIndex) ? skin.Masks()[static_cast<std::size_t>(imageIndex)].DrawFlags
                                            : -1;
}

} // namespace

bool HasCornerImages(const TsGeneralData& section)
{
    return section.ImgTL >= 0 || section.ImgTR >= 0 || section.ImgBL >= 0 || section.ImgBR >= 0;
}

bool BorderPaintsCentre(const TsLoadedSkin& skin, int borderImageIndex)
{
    const int mode = DrawMode(skin, borderImageIndex);
    return mode >= 0 && (mode & PaintsCentre) != 0;
}

bool BorderShownInNormalState(const TsLoadedSkin& skin, int borderImageIndex)
{
    const int mode = DrawMode(skin, borderImageIndex);
    return mode >= 0 && (mode & HiddenInNormalState) == 0;
}

} // namespace pp
