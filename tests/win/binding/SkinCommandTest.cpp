// Every sub-command of the skin command message that a binding answers,
// sent to a control with a window and to one without.
#include "BindingFixture.h"

#include "skin/loading/SkinEngineState.h"
#include "toolkit/Application.h"
#include "win/Handles.h"

#include <functional>

namespace pp::test {
namespace {

struct CommandCase {
    const char* Name;
    TSkinCommand Command;
    std::uint16_t Argument;
    // Sets the binding up and answers the lParam to send.
    std::function<LPARAM(TsCommonData&)> Prepare;
    // Checks the answer and the effect; `windowed` tells the two controls apart.
    std::function<void(TsCommonData&, LRESULT, bool windowed)> Check;
};

class SkinCommandTest : public BindingTest {
protected:
    void RunCases(const std::vector<CommandCase>& cases)
    {
        ShowForm();
        for (const CommandCase& c : cases)
            for (const bool windowed : {true, false}) {
                TControl* control = nullptr;
                TsCommonData* binding = nullptr;
                if (windowed) {
                    TSkinnedPanel* panel = Panel(form, "PLAIN", {10, 10, 40, 30});
                    control = panel;
                    binding = &panel->SkinData;
                } else {
                    TSkinnedGraphic* graphic = Graphic(form, "PLAIN", {60, 10, 40, 30});
                    control = graphic;
                    binding = &graphic->SkinData;
                }
                binding->ComposeItem(0);
                const LPARAM lParam = c.Prepare ? c.Prepare(*binding) : 0;
                const int& compositions = windowed ? static_cast<TSkinnedPanel*>(control)->Compositions
                                                   : static_cast<TSkinnedGraphic*>(control)->Compositions;
                const int compositionsBefore = compositions;
                const LRESULT result = SendSkinCommand(control, c.Command, lParam, c.Argument);
                composed = compositions - compositionsBefore;
                SCOPED_TRACE(std::string(c.Name) + (windowed ? " (windowed)" : " (windowless)"));
                c.Check(*binding, result, windowed);
                delete control;
            }
    }

    LPARAM Manager() const { return reinterpret_cast<LPARAM>(manager.get()); }
    // Compositions while the command was handled: a windowless owner is
    // repainted at once when invalidated.
    int composed = 0;
    std::string announced = "PLAIN";
    std::string otherSection = "OWNFONT";
    std::string newSection = "gauge";
    std::int32_t sectionRecord = -7;
    BackdropRequest request;
};

TEST_F(SkinCommandTest, EveryBindingSubCommandAnswersAndActs)
{
    const int plain = SectionIndex("PLAIN");
    const TWindowDCHandle screen(nullptr);
    const std::vector<CommandCase> cases = {
        {"SetSkin", SkinMsgSetSkin, 0,
         [&](TsCommonData& b) {
             b.SectionIndex = -1;
             SkinEngine.NewSkinBroadcast = true;
             return Manager();
         },
         [&](TsCommonData& b, LRESULT r, bool) {
             EXPECT_EQ(r, 0);
             EXPECT_EQ(b.SectionIndex, plain);
             EXPECT_FALSE(SkinEngine.NewSkinBroadcast);
         }},
        {"RemoveSkin", SkinMsgRemoveSkin, 0, [&](TsCommonData&) { return Manager(); },
         [](TsCommonData& b, LRESULT r, bool) {
             EXPECT_EQ(r, 0);
             EXPECT_EQ(b.SectionIndex, -1);
             EXPECT_EQ(b.BorderImageIndex, -1);
             EXPECT_EQ(b.PatternIndex, -1);
             EXPECT_EQ(b.HotPatternIndex, -1);
             EXPECT_TRUE(b.PaintSuspended);
             EXPECT_TRUE(b.CacheBitmap->Empty());
         }},
        {"Refresh", SkinMsgRefresh, 0,
         [&](TsCommonData& b) {
             b.BackgroundStale = false;
             b.PaintSuspended = true;
             return Manager();
         },
         [](TsCommonData& b, LRESULT, bool) {
             EXPECT_TRUE(b.BackgroundStale);
             EXPECT_FALSE(b.PaintSuspended);
         }},
        {"RepaintAfterUpdate", SkinMsgRepaintAfterUpdate, 0,
         [](TsCommonData& b) {
             b.PaintSuspended = true;
             return LPARAM(0);
         },
         [](TsCommonData& b, LRESULT, bool windowed) {
             EXPECT_EQ(b.PaintSuspended, !windowed) << "only a window control paints again";
         }},
        {"IsSkinned", SkinMsgIsSkinned, 0, nullptr, [](TsCommonData&, LRESULT r, bool) { EXPECT_EQ(r, 1); }},
        {"SetSuspended on", SkinMsgSetSuspended, 1, nullptr,
         [](TsCommonData& b, LRESULT, bool) { EXPECT_TRUE(b.PaintSuspended); }},
        {"SetSuspended off", SkinMsgSetSuspended, 0,
         [](TsCommonData& b) {
             b.PaintSuspended = true;
             return LPARAM(0);
         },
         [](TsCommonData& b, LRESULT, bool) { EXPECT_FALSE(b.PaintSuspended); }},
        {"SetUrgentPaint", SkinMsgSetUrgentPaint, 1, nullptr,
         [](TsCommonData& b, LRESULT, bool) { EXPECT_TRUE(b.UrgentPaint); }},
        {"QueryStale after a rebuild", SkinMsgQueryStale, 0, nullptr,
         [](TsCommonData&, LRESULT r, bool) { EXPECT_EQ(r, 0); }},
        {"QueryStale while suspended", SkinMsgQueryStale, 0,
         [](TsCommonData& b) {
             b.PaintSuspended = true;
             return LPARAM(0);
         },
         [](TsCommonData&, LRESULT r, bool) { EXPECT_EQ(r, 1); }},
        {"QueryHalfShown", SkinMsgQueryHalfShown, 0,
         [](TsCommonData& b) {
             b.HalfShown = true;
             return LPARAM(0);
         },
         [](TsCommonData&, LRESULT r, bool) { EXPECT_EQ(r, 1); }},
        {"SectionNotify for its section", SkinMsgSectionNotify, 0,
         [&](TsCommonData& b) {
             b.BackgroundStale = false;
             SkinEngine.NewSkinBroadcast = true;
             return reinterpret_cast<LPARAM>(&announced);
         },
         [&](TsCommonData& b, LRESULT, bool windowed) {
             if (windowed)
                 EXPECT_TRUE(b.BackgroundStale) << "invalidated: composed at the next paint";
             else
                 EXPECT_EQ(composed, 1) << "invalidated: repainted at once";
             EXPECT_FALSE(SkinEngine.NewSkinBroadcast);
         }},
        {"SectionNotify for another section", SkinMsgSectionNotify, 0,
         [&](TsCommonData& b) {
             b.BackgroundStale = false;
             SkinEngine.NewSkinBroadcast = true;
             return reinterpret_cast<LPARAM>(&otherSection);
         },
         [](TsCommonData& b, LRESULT, bool) {
             EXPECT_FALSE(b.BackgroundStale);
             EXPECT_TRUE(SkinEngine.NewSkinBroadcast);
             SkinEngine.NewSkinBroadcast = false;
         }},
        {"SetSection", SkinMsgSetSection, 0,
         [&](TsCommonData&) { return reinterpret_cast<LPARAM>(&newSection); },
         [&](TsCommonData& b, LRESULT, bool) {
             EXPECT_EQ(b.SkinSection(), "GAUGE");
             EXPECT_EQ(b.SectionIndex, SectionIndex("GAUGE"));
         }},
        {"MarkStale", SkinMsgMarkStale, 0, nullptr,
         [](TsCommonData& b, LRESULT, bool) { EXPECT_TRUE(b.BackgroundStale); }},
        {"QueryTransparency of a plain opaque section", SkinMsgQueryTransparency, 0, nullptr,
         [](TsCommonData&, LRESULT r, bool) { EXPECT_EQ(r, 0); }},
        {"ParentChanged on an opaque control", SkinMsgParentChanged, 1, nullptr,
         [](TsCommonData& b, LRESULT r, bool) {
             EXPECT_EQ(r, 0);
             EXPECT_FALSE(b.BackgroundStale) << "opaque for its children: nothing to redo";
         }},
        {"GetColor", SkinMsgGetColor, 0, nullptr,
         [](TsCommonData&, LRESULT r, bool) { EXPECT_EQ(static_cast<TColor>(r), PlainColor); }},
        {"SetHalfShown", SkinMsgSetHalfShown, 0, nullptr,
         [](TsCommonData& b, LRESULT, bool) { EXPECT_TRUE(b.HalfShown); }},
        {"ClearStale", SkinMsgClearStale, 0,
         [](TsCommonData& b) {
             b.BackgroundStale = true;
             return LPARAM(0);
         },
         [](TsCommonData& b, LRESULT, bool) { EXPECT_FALSE(b.BackgroundStale); }},
        {"GetSectionIndex", SkinMsgGetSectionIndex, 0,
         [&](TsCommonData&) { return reinterpret_cast<LPARAM>(&sectionRecord); },
         [&](TsCommonData&, LRESULT, bool) { EXPECT_EQ(sectionRecord, plain); }},
        {"DropCache", SkinMsgDropCache, 0, nullptr,
         [](TsCommonData& b, LRESULT, bool) {
             EXPECT_TRUE(b.CacheBitmap->Empty());
             EXPECT_TRUE(b.BackgroundStale);
         }},
        {"GetBackground", SkinMsgGetBackground, 0,
         [&](TsCommonData&) { return reinterpret_cast<LPARAM>(&request); },
         [&](TsCommonData&, LRESULT, bool) {
             EXPECT_EQ(request.Kind, bkColor);
             EXPECT_EQ(request.Color, PlainColor);
         }},
        {"TransparencyMode query", SkinMsgTransparencyMode, 0,
         [](TsCommonData& b) {
             b.PaintFlags = pfModeUndetermined;
             return LPARAM(0);
         },
         [](TsCommonData& b, LRESULT r, bool) {
             EXPECT_EQ(b.PaintFlags, 0) << "determined: not a form, no parent background";
             EXPECT_EQ(r, 0);
         }},
        {"GetBinding", SkinMsgGetBinding, 0, nullptr,
         [](TsCommonData& b, LRESULT r, bool) { EXPECT_EQ(reinterpret_cast<TsCommonData*>(r), &b); }},
        {"SetPrintTarget", SkinMsgSetPrintTarget, 0,
         [&](TsCommonData&) { return reinterpret_cast<LPARAM>(screen.Get()); },
         [&](TsCommonData& b, LRESULT, bool) {
             EXPECT_TRUE(b.PaintFlags & pfPrinting);
             EXPECT_EQ(b.PrintTarget, screen.Get());
         }},
        {"SetPrintTarget none", SkinMsgSetPrintTarget, 0,
         [&](TsCommonData& b) {
             b.PaintFlags |= pfPrinting;
             b.PrintTarget = screen.Get();
             return LPARAM(0);
         },
         [](TsCommonData& b, LRESULT, bool) {
             EXPECT_FALSE(b.PaintFlags & pfPrinting);
             EXPECT_EQ(b.PrintTarget, nullptr);
         }},
        {"GetApplication", SkinMsgGetApplication, 0, nullptr,
         [](TsCommonData&, LRESULT r, bool) { EXPECT_EQ(reinterpret_cast<TApplication*>(r), Application); }},
        {"GetProvider is not the binding's", SkinMsgGetProvider, 0, nullptr,
         [](TsCommonData& b, LRESULT r, bool) {
             EXPECT_EQ(r, 0);
             TMessage message{SM_SKINCOMMAND, SkinCommandWParam(SkinMsgGetProvider), 0, 0};
             EXPECT_FALSE(b.HandleSkinMessage(message));
         }},
    };
    RunCases(cases);
}

TEST_F(SkinCommandTest, SkinChangesFromAnotherManagerAreIgnored)
{
    ShowForm();
    TsSkinManager other(nullptr);
    TSkinnedPanel* panel = Panel(form, "PLAIN", {0, 0, 20, 20});
    const int plain = panel->SkinData.SectionIndex;
    SendSkinCommand(panel, SkinMsgRemoveSkin, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(panel->SkinData.SectionIndex, plain);
    EXPECT_FALSE(panel->SkinData.PaintSuspended);
}

TEST_F(SkinCommandTest, UnskinnedStandardControlIsNotSkinnedAndUnboundBindingsDoNotAnswerTransparency)
{
    ShowForm();
    TPlainPanel* plain = PlainPanel(form, {0, 0, 10, 10});
    EXPECT_EQ(QuerySkinCommand(plain, SkinMsgIsSkinned), 0);
    EXPECT_FALSE(IsSkinCommandTrue(plain->Handle(), SkinMsgIsSkinned));

    TSkinnedPanel* unbound = Panel(form, "NOSUCH", {0, 0, 10, 10});
    TMessage message{SM_SKINCOMMAND, SkinCommandWParam(SkinMsgQueryTransparency), 0, 0};
    EXPECT_FALSE(unbound->SkinData.HandleSkinMessage(message));
    EXPECT_EQ(message.Result, 0);
}

TEST_F(SkinCommandTest, QueryStaleIsZeroOnlyAfterTheCacheWasRebuilt)
{
    ShowForm();
    TSkinnedPanel* panel = Panel(form, "PLAIN", {0, 0, 20, 20});
    SendSkinCommand(panel, SkinMsgMarkStale);
    EXPECT_EQ(QuerySkinCommand(panel, SkinMsgQueryStale), 1);
    panel->SkinData.ComposeItem(0);
    EXPECT_EQ(QuerySkinCommand(panel, SkinMsgQueryStale), 0);
}

TEST_F(SkinCommandTest, ParentChangedReachesDescendantsOfTransparentContainersAndStopsAtTheFirstOpaqueOne)
{
    ShowForm();
    // The root's gradient makes it transparent for its children's purposes.
    TSkinnedPanel* root = Panel(form, "GRADIENT", {0, 0, 180, 140});
    TSkinnedPanel* clear = Panel(root, "CLEAR", {5, 5, 160, 120});
    TSkinnedGraphic* clearLeaf = Graphic(clear, "CLEAR", {2, 2, 10, 10});
    TSkinnedPanel* opaque = Panel(clear, "PLAIN", {20, 20, 100, 80});
    TSkinnedGraphic* hidden = Graphic(opaque, "CLEAR", {2, 2, 10, 10});
    for (TsCommonData* b : {&clear->SkinData, &clearLeaf->SkinData, &opaque->SkinData, &hidden->SkinData})
        b->BackgroundStale = false;

    SendSkinCommand(clear, SkinMsgParentChanged, 0, 1);
    EXPECT_TRUE(clear->SkinData.BackgroundStale);
    EXPECT_EQ(clearLeaf->Received.Count(SkinMsgParentChanged), 1);
    EXPECT_TRUE(clearLeaf->SkinData.BackgroundStale);
    EXPECT_EQ(opaque->Received.Count(SkinMsgParentChanged), 1) << "the opaque container hears it";
    EXPECT_FALSE(opaque->SkinData.BackgroundStale);
    EXPECT_EQ(hidden->Received.Count(SkinMsgParentChanged), 0) << "but passes it no further";
}

TEST_F(SkinCommandTest, QueryTransparencyFollowsTransparentControlsUpToTheirParent)
{
    ShowForm();
    TSkinnedPanel* gradient = Panel(form, "GRADIENT", {0, 0, 100, 100});
    TSkinnedPanel* clearOverGradient = Panel(gradient, "CLEAR", {0, 0, 50, 50});
    TSkinnedPanel* plain = Panel(form, "PLAIN", {100, 0, 100, 100});
    TSkinnedPanel* clearOverPlain = Panel(plain, "CLEAR", {0, 0, 50, 50});
    EXPECT_EQ(QuerySkinCommand(gradient, SkinMsgQueryTransparency), 1);
    EXPECT_EQ(QuerySkinCommand(clearOverGradient, SkinMsgQueryTransparency), 1);
    EXPECT_EQ(QuerySkinCommand(plain, SkinMsgQueryTransparency), 0);
    EXPECT_EQ(QuerySkinCommand(clearOverPlain, SkinMsgQueryTransparency), 0);
}

TEST_F(SkinCommandTest, ContainersPassTransparencyModeAndRepaintAfterUpdateToTheirChildren)
{
    ShowForm();
    TSkinnedPanel* container = Panel(form, "PLAIN", {0, 0, 80, 60});
    TSkinnedGraphic* windowless = Graphic(container, "PLAIN", {5, 5, 10, 10});
    TSkinnedPanel* windowed = Panel(container, "PLAIN", {20, 5, 10, 10});
    SendSkinCommand(container, SkinMsgTransparencyMode, 1);
    EXPECT_EQ(windowless->Received.Count(SkinMsgTransparencyMode), 1);
    EXPECT_EQ(windowed->Received.Count(SkinMsgTransparencyMode), 1);

    SendSkinCommand(container, SkinMsgRepaintAfterUpdate);
    EXPECT_EQ(windowless->Received.Count(SkinMsgRepaintAfterUpdate), 0) << "nothing was waiting";
    container->SkinData.PaintSuspended = true;
    SendSkinCommand(container, SkinMsgRepaintAfterUpdate);
    EXPECT_EQ(windowless->Received.Count(SkinMsgRepaintAfterUpdate), 1);
    EXPECT_EQ(windowed->Received.Count(SkinMsgRepaintAfterUpdate), 1);
}

TEST_F(SkinCommandTest, ResumeSendsUpdateEndedOnlyWhenTheLastSuspensionEnds)
{
    for (const bool windowed : {true, false}) {
        ShowForm();
        TControl* control = windowed ? static_cast<TControl*>(Panel(form, "PLAIN", {0, 0, 20, 20}))
                                     : Graphic(form, "PLAIN", {0, 0, 20, 20});
        TsCommonData& binding = *BindingOf(control);
        const TReceived& received = windowed ? static_cast<TSkinnedPanel*>(control)->Received
                                             : static_cast<TSkinnedGraphic*>(control)->Received;
        binding.SuspendPainting();
        binding.SuspendPainting();
        EXPECT_EQ(received.Count(SkinMsgUpdateBegun), 2);
        EXPECT_TRUE(binding.PaintFlags & pfInUpdate);
        binding.ResumePainting(false);
        EXPECT_EQ(received.Count(SkinMsgUpdateEnded), 0) << "still one level deep";
        binding.ResumePainting(false);
        EXPECT_EQ(received.Count(SkinMsgUpdateEnded), 1);
        EXPECT_EQ(binding.UpdateDepth, 0);
        EXPECT_FALSE(binding.PaintSuspended);
        EXPECT_FALSE(binding.PaintFlags & pfInUpdate);

        // An unmatched resume must not leave the depth below zero.
        binding.ResumePainting(false);
        binding.SuspendPainting();
        binding.ResumePainting(false);
        EXPECT_EQ(received.Count(SkinMsgUpdateEnded), 3);
        EXPECT_EQ(binding.UpdateDepth, 0);
        delete control;
    }
}

TEST_F(SkinCommandTest, MustWaitWhileTheParentIsStale)
{
    ShowForm();
    TSkinnedPanel* parent = Panel(form, "GRADIENT", {0, 0, 100, 100});
    TSkinnedGraphic* child = Graphic(parent, "CLEAR", {0, 0, 20, 20});
    parent->SkinData.ComposeItem(0);
    EXPECT_FALSE(child->SkinData.MustWait(true));
    SendSkinCommand(parent, SkinMsgMarkStale);
    EXPECT_TRUE(child->SkinData.MustWait(true));
    EXPECT_TRUE(child->SkinData.PaintSuspended);
    parent->SkinData.ComposeItem(0);
    EXPECT_TRUE(child->SkinData.MustWait(false)) << "suspended until reset";
    EXPECT_FALSE(child->SkinData.MustWait(true));
}

} // namespace
} // namespace pp::test
