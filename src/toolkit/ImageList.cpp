#include "toolkit/ImageList.h"

#include "toolkit/Errors.h"

#include <algorithm>

namespace pp {

TChangeLink::~TChangeLink()
{
    if (sender_)
        sender_->UnRegisterChanges(*this);
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) { }

TImageList::~TImageList()
{
    // Detach first: a listener told of the end finds the list already gone.
    const std::vector<TChangeLink*> links = std::move(links_);
    links_.clear();
    for (TChangeLink* link : links)
        link->sender_ = nullptr;
    for (TChangeLink* link : links)
        if (link->OnChange)
            link->OnChange(this);
}

void TImageList::SetSize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    CheckBitmapSize(width, height, TPixelFormat::pf32bit);
    width_ = width;
    height_ = height;
    images_.clear();
    Change();
}

void TImageList::SetBkColor(TColor color)
{
    if (color == bkColor_)
        return;
    bkColor_ = color;
    Change();
}

int TImageList::Add(const TBitmap& image)
{
    if (image.Width() != width_ || image.Height() != height_)
        throw EInvalidOperation("Invalid image size");
    TBitmap entry(image);
    entry.SetFormat(TPixelFormat::pf32bit);
    images_.push_back(std::move(entry));
    Change();
    return Count() - 1;
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EInvalidOperation("List index out of bounds (" + std::to_string(index) + ")");
    images_.erase(images_.begin() + index);
    Change();
}

void TImageList::Clear()
{
    if (images_.empty())
        return;
    images_.clear();
    Change();
}

namespace {

bool HasAnyAlpha(const TBitmap& image)
{
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.Pixel32(x, y).A != 0)
                return true;
    return false;
}

std::uint8_t Over(std::uint8_t under, std::uint8_t over, int alpha)
{
    return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

} // namespace

TBitmap TImageList::EntryOnBackground(int index) const
{
    const TBitmap& entry = Image(index);
    const TBGRA background = PixelFromColor(bkColor_ == clNone ? clKeyColor : ColorToRGB(bkColor_));
    const bool alpha = HasAnyAlpha(entry);
    TBitmap result(width_, height_, TPixelFormat::pf32bit);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const TBGRA pixel = entry.Pixel32(x, y);
            const int a = alpha ? pixel.A : 255;
            result.Pixel32(x, y) = {Over(background.B, pixel.B, a), Over(background.G, pixel.G, a),
                                    Over(background.R, pixel.R, a), 255};
        }
    result.SetFormat(TPixelFormat::pf24bit);
    return result;
}

void TImageList::RegisterChanges(TChangeLink& link)
{
    if (link.sender_ == this)
        return;
    if (link.sender_)
        link.sender_->UnRegisterChanges(link);
    link.sender_ = this;
    links_.push_back(&link);
}

void TImageList::UnRegisterChanges(TChangeLink& link)
{
    std::erase(links_, &link);
    if (link.sender_ == this)
        link.sender_ = nullptr;
}

void TImageList::Change()
{
    // By index: a listener may unregister while it is told.
    for (std::size_t i = 0; i < links_.size(); ++i)
        if (TChangeLink* link = links_[i]; link->OnChange)
            link->OnChange(this);
}

} // namespace pp
