// The panel's informative side: the menu titles "Autres commandes" and "Aide", the help menu with the
// help and about panes, the two information frames of the first activations, the two labels that open
// a web page, and the about pane's way to the support-message window.
#pragma once
#include "app/program.h"
#include "panel/part.h"

namespace wardo::panel {

// The web pages the two labels open (placeholders until the real pages are known).
inline constexpr const wchar_t* kPageAlerte = L"https://www.example.org/wardo/";
inline constexpr const wchar_t* kPageToucheMicro = L"https://www.example.org/wardo/touches.html";

class HelpPanes : public Part {
public:
    HelpPanes(app::Program& program, Reglages& panel);

    void Label57_Click();  // "Autres commandes": shows or hides the command menu
    void Label58_Click();  // "Aide": shows the help menu
    void MenuAide_Click();
    void Check2_Click();  // "Cacher ce message la prochaine fois" in FrameInfos
    void Check1_Click();  // the same in FrameInfos2
    void jaibienlu1_Click();
    void jaibienlu2_Click();
    void Label21_Click();
    void Label4_Click();
    void EcrireSupport_Click();

private:
    app::Program& program_;
    Reglages& panel_;
};

}  // namespace wardo::panel
