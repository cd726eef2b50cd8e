#pragma once
// The rest of the adapter family, one class per kind of control the skin
// manager's lists and the dialog skinning can name. Each takes over its
// window and gives it back like every adapter, and answers the engine's
// questions through its binding; none draws anything of its own yet, so the
// control keeps the platform's painting. No window of this program is given
// one of these: the main window's lists name push buttons only.
#include "skin/controls/MainWndWin32.h"

namespace pp {

#define PP_ADAPTER_CLASS(Name, Base)                                                                         \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
    }

PP_ADAPTER_CLASS(TacStaticWnd, TacMainWnd);            // static controls of dialogs
PP_ADAPTER_CLASS(TacEdgeWnd, TacStaticWnd);            // static frames with a sunken edge
PP_ADAPTER_CLASS(TacIconWnd, TacStaticWnd);            // static icons and frames
PP_ADAPTER_CLASS(TacLinkWnd, TacStaticWnd);            // link controls
PP_ADAPTER_CLASS(TacSizerWnd, TacMainWnd);             // size grips of scroll-bar class
PP_ADAPTER_CLASS(TacSpinWnd, TacMainWnd);              // up-down controls
PP_ADAPTER_CLASS(TacTrackWnd, TacMainWnd);             // track bars
PP_ADAPTER_CLASS(TacCheckBoxWnd, TacMainWnd);          // check boxes and radio buttons
PP_ADAPTER_CLASS(TacContainerWnd, TacMainWnd);         // rebars, progress bars, shell bands
PP_ADAPTER_CLASS(TacSearchWnd, TacMainWnd);            // the search box of shell dialogs
PP_ADAPTER_CLASS(TacToolBarWnd, TacMainWnd);           // platform tool bars of dialogs
PP_ADAPTER_CLASS(TacTransPanelWnd, TacMainWnd);        // transparent inner dialog panels
PP_ADAPTER_CLASS(TacGroupBoxWnd, TacMainWnd);          // group boxes
PP_ADAPTER_CLASS(TacPanelWnd, TacMainWnd);             // panels
PP_ADAPTER_CLASS(TacStaticTextWnd, TacMainWnd);        // static texts
PP_ADAPTER_CLASS(TacSBWnd, TacMainWnd);                // stand-alone scroll bars
PP_ADAPTER_CLASS(TacScrollWnd, TacMainWnd);            // windows whose own scroll bars are skinned
PP_ADAPTER_CLASS(TacMnuWnd, TacScrollWnd);             // popup menu windows
PP_ADAPTER_CLASS(TacBaseWnd, TacScrollWnd);            // scrolling content
PP_ADAPTER_CLASS(TacMDIWnd, TacBaseWnd);               // the client area of multi-document forms
PP_ADAPTER_CLASS(TacEditWnd, TacBaseWnd);              // edits, memos and list boxes
PP_ADAPTER_CLASS(TacScrollBoxWnd, TacScrollWnd);       // scroll boxes
PP_ADAPTER_CLASS(TacComboListWnd, TacEditWnd);         // drop-down lists of combo boxes
PP_ADAPTER_CLASS(TacListViewWnd, TacEditWnd);          // list views
PP_ADAPTER_CLASS(TacGridWnd, TacEditWnd);              // grids
PP_ADAPTER_CLASS(TacGridEhWnd, TacGridWnd);            // extended grids
PP_ADAPTER_CLASS(TacTreeViewWnd, TacEditWnd);          // tree views
PP_ADAPTER_CLASS(TacComboBoxWnd, TacEditWnd);          // combo boxes
PP_ADAPTER_CLASS(TacVirtualTreeViewWnd, TacEditWnd);   // virtual tree views
PP_ADAPTER_CLASS(TacWWComboBoxWnd, TacComboBoxWnd);    // combo edits of another control family
PP_ADAPTER_CLASS(TacTabControlWnd, TacMainWnd);        // tab controls
PP_ADAPTER_CLASS(TacPageWnd, TacMainWnd);              // tab sheets
PP_ADAPTER_CLASS(TacPageControlWnd, TacTabControlWnd); // page controls
PP_ADAPTER_CLASS(TacToolBarVCLWnd, TacMainWnd);        // toolkit tool bars
PP_ADAPTER_CLASS(TacStatusBarWnd, TacMainWnd);         // status bars
PP_ADAPTER_CLASS(TacDialogWnd, TacScrollWnd);          // whole standard dialogs

#undef PP_ADAPTER_CLASS

} // namespace pp
