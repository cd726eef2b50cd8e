// The plain image list: same-size entries, drawn over their background, and
// the change links of the controls that show them.
#include "toolkit/ImageList.h"
#include "toolkit/Errors.h"

#include <gtest/gtest.h>

#include <memory>

namespace pp::test {
namespace {

TBitmap Image(int width, int height, TBGRA fill)
{
    TBitmap image(width, height, TPixelFormat::pf32bit);
    image.Fill(fill);
    return image;
}

TEST(ImageListTest, EntriesHaveTheListSize)
{
    TImageList list(nullptr);
    list.SetSize(2, 1);
    EXPECT_EQ(list.Add(Image(2, 1, {})), 0);
    EXPECT_EQ(list.Add(TBitmap(2, 1, TPixelFormat::pf24bit)), 1);
    EXPECT_EQ(list.Image(1).Format(), TPixelFormat::pf32bit);
    try {
        list.Add(Image(3, 1, {}));
        ADD_FAILURE() << "an image of another size was taken";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Invalid image size");
    }
    EXPECT_THROW(list.Delete(2), EInvalidOperation);
    EXPECT_EQ(list.Count(), 2);
    list.SetSize(4, 4);
    EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
}

TEST(ImageListTest, EntryIsLaidOverItsBackground)
{
    // Blue at alpha 128 over a background c: 255 * 128 + c * 127, rounded / 255.
    TBitmap entry(2, 1, TPixelFormat::pf32bit);
    entry.Pixel32(0, 0) = PixelFromColor(0xFF0000, 128);
    entry.Pixel32(1, 0) = PixelFromColor(0x00FF00, 0);
    struct Case {
        const char* name;
        TColor background;
        TColor halfBlue, seeThrough;
    };
    const Case cases[] = {
        {"no background colour: fuchsia", clNone, 0xFF007F, 0xFF00FF},
        {"white", clWhite, 0xFF7F7F, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        TImageList list(nullptr);
        list.SetSize(2, 1);
        list.SetBkColor(c.background);
        list.Add(entry);
        const TBitmap drawn = list.EntryOnBackground(0);
        EXPECT_EQ(drawn.Format(), TPixelFormat::pf24bit) << c.name;
        EXPECT_EQ(drawn.PixelColor(0, 0), c.halfBlue) << c.name;
        EXPECT_EQ(drawn.PixelColor(1, 0), c.seeThrough) << c.name;
    }

    TImageList list(nullptr);
    list.SetSize(2, 1);
    list.Add(Image(2, 1, PixelFromColor(clRed, 0)));
    EXPECT_EQ(list.EntryOnBackground(0).PixelColor(1, 0), clRed) << "no alpha anywhere: opaque";
}

TEST(ImageListTest, ChangeLinksHearChangesAndTheEnd)
{
    auto list = std::make_unique<TImageList>(nullptr);
    list->SetSize(1, 1);
    TChangeLink link;
    int notices = 0;
    link.OnChange = [&](TObject*) { ++notices; };
    list->RegisterChanges(link);
    EXPECT_EQ(link.Sender(), list.get());

    list->Add(Image(1, 1, {}));
    list->SetBkColor(clWhite);
    list->SetBkColor(clWhite);
    list->Delete(0);
    list->Clear();
    EXPECT_EQ(notices, 3) << "add, colour, delete; no notice without a change";

    {
        TChangeLink shortLived;
        list->RegisterChanges(shortLived);
    }
    list->Add(Image(1, 1, {}));
    EXPECT_EQ(notices, 4) << "a destroyed link left the list";

    list.reset();
    EXPECT_EQ(notices, 5) << "told of the end";
    EXPECT_EQ(link.Sender(), nullptr);
}

} // namespace
} // namespace pp::test
