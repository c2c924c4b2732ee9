// The picker of the panel's re-attach buttons. Its opener places it, hides the panel's close and
// minimise images and shows it modally; the picker attaches, identifies the robot, shows the images
// again and hides itself, or is cancelled with "Annuler".
#pragma once
#include "chatlink/pickers/picker.h"

namespace wardo::chatlink {

class ConnexMan2 : public Picker {
public:
    explicit ConnexMan2(app::Program& program);

    ui::Button ReyCommand1;  // "Annuler"

protected:
    void design() override;
    void attached(bool onLabel) override;

private:
    void ReyCommand1_Click();
    void MontreImagesReglages();
};

}  // namespace wardo::chatlink
