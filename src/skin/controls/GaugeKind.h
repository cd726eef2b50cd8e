#pragma once
// The figures a gauge can draw; shared by its plain and skinned painting.

namespace pp {

enum class TsGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

constexpr bool IsBarKind(TsGaugeKind kind)
{
    return kind == TsGaugeKind::gkHorizontalBar || kind == TsGaugeKind::gkVerticalBar;
}

} // namespace pp
