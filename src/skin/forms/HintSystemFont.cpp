#include "skin/forms/HintSystemFont.h"

#include "win/Text.h"

#include <windows.h>

namespace pp {

void AssignSystemHintFont(TFont& font)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font.SetName(Utf8FromWide(metrics.lfStatusFont.lfFaceName));
        font.SetHeight(metrics.lfStatusFont.lfHeight);
        font.SetCharset(metrics.lfStatusFont.lfCharSet);
    }
    font.SetStyle(0);
    font.SetColor(clBlack);
}

} // namespace pp
