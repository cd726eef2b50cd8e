#include "RenderCommand.h"

#include "PngOutput.h"

#include "core/Error.h"
#include "core/Stream.h"
#include "skin/loading/PngImage.h"
#include "skin/loading/SkinPathLoader.h"
#include "skin/paint/BackdropRequest.h"
#include "skin/paint/RenderItem.h"

#include <cctype>
#include <cstdlib>

#ifdef _WIN32
#include "skin/paint/ItemState.h"
#include "skin/paint/TextDrawingWin32.h"
#include "skin/paint/TextOn32Win32.h"
#include "toolkit/PixelStorage.h"
#include "win/Text.h"
#endif

namespace skintool {
namespace {

int ParseInteger(const std::string& text, const std::string& what)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < -1000000 || value > 1000000)
        throw pp::EConvertError("'" + text + "' is not a valid " + what);
    return static_cast<int>(value);
}

void ParseSize(const std::string& text, TRenderRequest& request)
{
    const std::size_t x = text.find('x');
    if (x == std::string::npos)
        throw pp::EConvertError("'" + text + "' is not a size; write it as WIDTHxHEIGHT, for example 75x25");
    request.Width = ParseInteger(text.substr(0, x), "width");
    request.Height = ParseInteger(text.substr(x + 1), "height");
    if (request.Width < 1 || request.Height < 1)
        throw pp::EInvalidData("The size " + text + " is empty: width and height must be at least 1");
    pp::CheckBitmapSize(request.Width, request.Height, pp::TPixelFormat::pf32bit);
}

bool IsHexColor(const std::string& text)
{
    if (text.size() != 6)
        return false;
    for (const char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

pp::TColor HexColor(const std::string& text)
{
    const unsigned long rgb = std::strtoul(text.c_str(), nullptr, 16);
    return pp::MakeColor(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
}

pp::TBitmap BackdropImage(const std::string& file, const TRenderRequest& request)
{
    pp::TMemoryStream stream(pp::ReadFileBytes(file));
    pp::TBitmap image = pp::LoadPngFromStream(stream);
    if (image.Width() < request.Width || image.Height() < request.Height)
        throw pp::EInvalidData("The backdrop \"" + file + "\" is " + std::to_string(image.Width()) + "x" +
                               std::to_string(image.Height()) + ", smaller than the item");
    image.SetFormat(pp::TPixelFormat::pf32bit);
    return image;
}

#ifdef _WIN32
// The text centred on the item in the section's colours for the state, as a
// control of that size shows its caption in the toolkit's default font: the
// look's glow, then contours and font colour. Drawn so that every pixel keeps
// a valid alpha for the PNG.
void PaintText(pp::TBitmap& item, const pp::TsLoadedSkin& skin, int sectionIndex, int state,
               const std::string& text)
{
    // The platform draws text only into bitmaps it can select.
    pp::InstallGraphicsPlatform();
    const pp::TsGeneralData& section = skin.Sections()[static_cast<std::size_t>(sectionIndex)];
    const int sectionState = pp::SectionState(section, state);
    const pp::TFont font;
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    pp::DrawBlockGlow(item, pp::StateProps(section, sectionState), pp::WideFromUtf8(text), item.Bounds(),
                      format, font.Handle());
    pp::DrawTextOn32(item, font, text, true, &skin, sectionState > 0, sectionIndex, format, item.Bounds());
}
#else
void RefuseText()
{
    throw pp::Exception("--text needs the platform's fonts, which only the Windows build of skintool has");
}
#endif

} // namespace

TRenderRequest ParseRenderArguments(const std::vector<std::string>& args)
{
    if (args.size() < 4)
        throw pp::Exception("render needs SKIN SECTION WIDTHxHEIGHT OUT.png");
    TRenderRequest request;
    request.Skin = args[0];
    request.Section = args[1];
    ParseSize(args[2], request);
    request.OutPng = args[3];
    for (std::size_t i = 4; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 >= args.size())
            throw pp::Exception(option + " needs a value");
        const std::string& value = args[i + 1];
        if (option == "--state") {
            request.State = ParseInteger(value, "state");
            if (request.State < 0)
                throw pp::EInvalidData("The state must be 0 or more, not " + value);
        } else if (option == "--backdrop") {
            request.Backdrop = value;
        } else if (option == "--text") {
            request.Text = value;
        } else {
            throw pp::Exception("Unknown option " + option);
        }
    }
    return request;
}

void Render(const TRenderRequest& request)
{
#ifndef _WIN32
    if (request.Text)
        RefuseText();
#endif
    const pp::TSkinFromPath loaded = pp::LoadSkinFromPath(request.Skin);
    const int section = loaded.Skin.GetSkinIndex(request.Section);
    if (section < 0)
        throw pp::EInvalidData("The skin has no section \"" + request.Section + "\"");

    pp::TBitmap backdropImage;
    pp::BackdropInfo backdrop;
    backdrop.BackColor = pp::ColorToRGB(loaded.Skin.Colors[pp::scGlobalColor]);
    if (request.Backdrop && IsHexColor(*request.Backdrop)) {
        backdrop.BackColor = HexColor(*request.Backdrop);
    } else if (request.Backdrop) {
        backdropImage = BackdropImage(*request.Backdrop, request);
        backdrop = pp::BackdropFromBitmap(&backdropImage, 0, 0);
    }

    pp::TBitmap item(request.Width, request.Height);
    pp::RenderItem(pp::BindingForSection(loaded.Skin, section), backdrop, true, item, {0, 0}, item.Bounds(),
                   request.State);
#ifdef _WIN32
    if (request.Text)
        PaintText(item, loaded.Skin, section, request.State, *request.Text);
#endif
    pp::WriteFileBytes(request.OutPng, EncodePng32(item));
}

} // namespace skintool
