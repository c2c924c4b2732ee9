// The skins pane: the bitmaps of the skins folder listed, the selected one previewed, and the chosen
// one put on the title image and stored under Skin for every later start.
#pragma once
#include <vector>

#include "app/program.h"
#include "panel/part.h"
#include "text/text.h"

namespace wardo::panel {

class SkinsPane : public Part {
public:
    SkinsPane(app::Program& program, Reglages& panel);

    // Fills the list afresh, previews its first entry and brings the pane into view.
    void DefinitSkins();
    // Previews the selected entry; a bitmap that cannot be loaded leaves the preview empty.
    void List1_Click();
    // Applies and stores the selected skin and closes the pane. With no entry selected, or a bitmap that
    // cannot be loaded, nothing changes and the pane stays open.
    void choisir_Click();
    // Closes the pane without choosing.
    void Image5_Click();

private:
    app::Program& program_;
    Reglages& panel_;
    std::vector<text::Text> fichiers_;  // the file behind each entry of List1
};

}  // namespace wardo::panel
