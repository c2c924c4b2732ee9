// The control panel, the robot's main window once it is attached to a room. The form declares every
// control (grouped by area in the bases below, later groups lying above earlier ones), keeps the panel's
// own variables and procedures, and holds the parts that the other subsystems add to it (part.h).
#pragma once
#include <memory>
#include <stdexcept>
#include <vector>

#include "app/program.h"
#include "chatlink/room_link.h"
#include "panel/information_panes.h"
#include "panel/microphone_panes.h"
#include "panel/moderation_buttons.h"
#include "panel/panel_background.h"
#include "panel/panel_overlays.h"
#include "panel/panel_timers.h"
#include "panel/part.h"
#include "panel/settings_pane.h"
#include "ui/form.h"

namespace wardo::panel {

using text::Text;

class Reglages : public ui::Form,
                 public PanelBackground,
                 public ModerationButtons,
                 public SettingsPane,
                 public InformationPanes,
                 public MicrophonePanes,
                 public PanelOverlays,
                 public PanelTimers {
public:
    explicit Reglages(app::Program& program);
    ~Reglages() override;

    // Panes are shown and hidden by moving them (twips); the drop-down menus by their visibility.
    static constexpr int kPaneShownLeft = 150;        // every pane that covers the panel
    static constexpr int kPaneHiddenLeft = 12000;     // skins, help, about, alert, information frames
    static constexpr int kFrame1HiddenLeft = 10000;   // the settings pane
    static constexpr int kKeyPaneHiddenLeft = 15000;  // the two push-to-talk key panes
    static constexpr int kFrameRaisonPersoShownTop = 4150, kFrameRaisonPersoHiddenTop = 7000;
    static constexpr int kFrameChoixAlerteShownTop = 250, kFrameChoixAlerteHiddenTop = 10000;
    static constexpr int kFrameErreurShownLeft = 60, kFrameErreurHiddenLeft = 10000;
    static constexpr int kFramePauseShownTop = 1300, kFramePauseHiddenTop = 8000;
    static constexpr int kFrame2ShownLeft = 480, kFrame2HiddenLeft = 10000;
    static constexpr int kMenuCdesSuppLeft = 1680;  // the command menu, and the lists it opens in its place

    // The panel's own variables.
    Text DossierSkins;    // DossierConfig followed by "skins\"
    Text NomSkin;         // the skin as stored under Skin, then as the skins pane chose it
    Text ChoixSonEntree;  // "1", "2" or "3"
    bool PanneauLance = false;
    int PositionBoiteX = 0;  // where the last placed box went, in screen pixels
    int PositionBoiteY = 0;

    // Public procedures.
    void lancement();
    void AfficheMSGBox(const Text& Message, const Text& titre);
    // Returns the code of the button pressed (1 OK, 6 Yes, 7 No...), 0 when no box was shown.
    int AfficheMSGBox2(const Text& Message, int flag, const Text& titre);
    // The entries of the configuration menu.
    void AfficheReglagesBase();
    void DefinitSkins();
    void OuvreEditeurRaisons();
    void OuvreEditeurAnnonces();
    void OuvreEditeurSons();
    // A pane that covers the panel comes in at kPaneShownLeft and goes at kPaneHiddenLeft; while it is in
    // view the panel's own close and minimise images are hidden.
    void ouvreVolet(ui::Frame& pane);
    void fermeVolet(ui::Frame& pane);
    // The close and minimise images (Image3, Image4), hidden while something covers the panel.
    void imagesFenetre(bool visibles);

    // The part of type P that registerParts added; asking for one that is not there is a programming
    // error.
    template <class P>
    P& part() const {
        for (const auto& p : parts_) {
            if (auto* found = dynamic_cast<P*>(p.get())) return *found;
        }
        throw std::logic_error("this part of the panel is not registered");
    }
    template <class P, class... Args>
    P& addPart(Args&&... args) {
        auto p = std::make_unique<P>(std::forward<Args>(args)...);
        P& added = *p;
        parts_.push_back(std::move(p));
        return added;
    }

protected:
    void design() override;
    void onLoad() override;      // Form_Load
    void onActivate() override;  // Form_Activate
    void onUnload(bool& cancel) override;

private:
    // Shows and hides Frame2 while the room link waits for a free microphone.
    class MicroWaitFrame : public chatlink::MicroWaitNotice {
    public:
        explicit MicroWaitFrame(Reglages& panel) : panel_(panel) {}
        void showNotice() override;
        void hideNotice() override;

    private:
        Reglages& panel_;
    };

    void wireEvents();
    void auPremierPlan();  // above all windows, and no warning, punish or kick mode left from before
    void chargeReglages(const settings::IniLu& ini);  // the stored settings into the options and the panel
    void Form_MouseDown(int button);
    void menuco_MouseDown(int button);
    void CacheMenus();
    void Configurer_Click();
    void MenuConfig_Click();
    void Image3_Click();
    void Image4_Click();
    void Label15_Click();
    void Annuler_Click();
    void cestbon_Click();

    app::Program& program_;
    MicroWaitFrame microWait_{*this};
    std::vector<std::unique_ptr<Part>> parts_;  // last: they go before the controls they wired
};

}  // namespace wardo::panel
