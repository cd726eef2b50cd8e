#pragma once
// A list of images of one size, 32 bits with alpha, drawn by index. Controls
// that show an entry keep a change link with the list to hear when it
// changes or goes away.
#include "core/Bitmap.h"
#include "toolkit/Component.h"

#include <vector>

namespace pp {

class TImageList;

// A listener's tie to one image list. The list clears the tie when it is
// destroyed, so Sender() is null from then on; the link unregisters itself
// when it is destroyed first.
class TChangeLink {
public:
    TChangeLink() = default;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;
    ~TChangeLink();

    // Called after every change of the list, and once when it is destroyed.
    TNotifyEvent OnChange;
    TImageList* Sender() const { return sender_; }

private:
    friend class TImageList;
    TImageList* sender_ = nullptr;
};

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;
    std::string ClassName() const override { return "TImageList"; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changes the image size; the list is emptied.
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(images_.size()); }
    // The colour behind the entries; clNone stands for fuchsia.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color);

    // Appends a copy of `image` as 32 bits and answers its index; an image of
    // another size is refused with EInvalidOperation.
    int Add(const TBitmap& image);
    void Delete(int index);
    void Clear();
    const TBitmap& Image(int index) const { return images_.at(static_cast<std::size_t>(index)); }
    // The entry laid over a 24-bit bitmap filled with the background colour.
    // An image whose alpha bytes are all 0 carries no alpha and covers it.
    TBitmap EntryOnBackground(int index) const;

    void RegisterChanges(TChangeLink& link);
    void UnRegisterChanges(TChangeLink& link);

private:
    void Change();

    int width_ = 16;
    int height_ = 16;
    TColor bkColor_ = clNone;
    std::vector<TBitmap> images_;
    std::vector<TChangeLink*> links_;
};

} // namespace pp
