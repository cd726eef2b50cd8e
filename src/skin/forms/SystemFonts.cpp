#include "skin/forms/SystemFonts.h"

#include "win/Text.h"

#include <windows.h>

namespace pp {
namespace {

NONCLIENTMETRICSW NonClientMetrics()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics;
}

void AssignLogFont(TFont& font, const LOGFONTW& logFont)
{
    if (logFont.lfFaceName[0])
        font.SetName(Utf8FromWide(logFont.lfFaceName));
    if (logFont.lfHeight != 0)
        font.SetHeight(logFont.lfHeight);
    font.SetStyle(logFont.lfWeight >= FW_BOLD ? unsigned{fsBold} : 0u);
}

} // namespace

void AssignCaptionFont(TFont& font) { AssignLogFont(font, NonClientMetrics().lfCaptionFont); }

void AssignMenuFont(TFont& font) { AssignLogFont(font, NonClientMetrics().lfMenuFont); }

} // namespace pp
