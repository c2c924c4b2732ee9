// A form with one control of each kind, counting its events, for the runtime's tests.
#pragma once
#include <map>
#include <memory>

#include "platform/sim/sim_desktop.h"
#include "ui/headless_host.h"
#include "ui/ui.h"

namespace wardo::ui::testing {

class TestForm : public Form {
public:
    explicit TestForm(Runtime& rt, Text name = L"TestForm") : Form(rt, std::move(name)) {
        Check1.onClick = [this] { ++events[L"Check1_Click"]; };
        Option1.onClick = [this] { ++events[L"Option1_Click"]; };
        Option2.onClick = [this] { ++events[L"Option2_Click"]; };
        Option3.onClick = [this] { ++events[L"Option3_Click"]; };
        Option4.onClick = [this] { ++events[L"Option4_Click"]; };
        List1.onClick = [this] { ++events[L"List1_Click"]; };
        Text1.onChange = [this] { ++events[L"Text1_Change"]; };
        Command1.onClick = [this] { ++events[L"Command1_Click"]; };
        Inner.onClick = [this] { ++events[L"Inner_Click"]; };
        Timer1.onTimer = [this] {
            ++events[L"Timer1_Timer"];
            tickTimes.push_back(platform().loop.nowMs());
        };
    }

    Label Label1{*this, L"Label1"};
    Button Command1{*this, L"Command1"};
    CheckBox Check1{*this, L"Check1"};
    Frame Frame1{*this, L"Frame1"};
    OptionButton Option1{*this, L"Option1"};
    OptionButton Option2{*this, L"Option2"};
    Frame Frame2{*this, L"Frame2"};
    OptionButton Option3{*this, L"Option3"};
    OptionButton Option4{*this, L"Option4"};
    Label Inner{*this, L"Inner"};
    TextBox Text1{*this, L"Text1"};
    ListBox List1{*this, L"List1"};
    ComboBox Combo1{*this, L"Combo1"};
    Picture Image1{*this, L"Image1"};
    Timer Timer1{*this, L"Timer1"};
    Label Label78_0{*this, L"Label78", 0};

    std::map<std::wstring, int> events;
    std::vector<std::int64_t> tickTimes;
    int loads = 0;
    int activations = 0;
    int firstActivations = 0;
    bool cancelQuery = false;
    bool cancelUnload = false;
    std::function<void()> onLoadExtra;

protected:
    void design() override {
        setCaption(L"Fenêtre d'essai");
        setBorderStyle(BorderStyle::FixedSingle);
        setClientSize(4710, 6510);
        Label1.move(1080, 4800, 1500, 255);
        Label1.setCaption(L"Wardo");
        Command1.move(720, 240, 3255, 735);
        Command1.setCaption(L"Connexion à la salle");
        Check1.setCaption(L"Ne pas montrer ce message la prochaine fois");
        Check1.setValue(1);  // a design value raises no Click
        Frame1.move(0, 6500, 4695, 6900);
        Option1.setContainer(&Frame1);
        Option2.setContainer(&Frame1);
        Option1.setValue(true);
        Frame2.move(100, 7000, 4455, 855);
        Option3.setContainer(&Frame2);
        Option4.setContainer(&Frame2);
        Inner.setContainer(&Frame2);
        Text1.setText(L"design text");
        Text1.setMaxLength(10);
        List1.addItem(L"Réglages de base");
        List1.addItem(L"Raisons");
        Timer1.setInterval(1000);
        Timer1.setEnabled(false);
    }
    void onLoad() override {
        ++loads;
        if (onLoadExtra) onLoadExtra();
    }
    void onActivate() override {
        ++activations;
        if (firstActivation()) ++firstActivations;
    }
    void onQueryUnload(bool& cancel) override {
        ++events[L"QueryUnload"];
        cancel = cancelQuery;
    }
    void onUnload(bool& cancel) override {
        ++events[L"Unload"];
        cancel = cancelUnload;
    }
};

// A fresh simulated desktop and headless runtime for each case.
struct Fixture {
    platform::sim::SimDesktop desktop;
    HeadlessHost host;
    Runtime runtime{desktop.platform(), host};
};

}  // namespace wardo::ui::testing
