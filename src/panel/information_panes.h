// The panes that cover the panel to show or edit something: skins, help, about, the watched-nicknames
// editor and the two information frames of the first activation.
#pragma once
#include "ui/control_array.h"
#include "ui/ui.h"

namespace wardo::panel {

class InformationPanes {
public:
    explicit InformationPanes(ui::Form& form) : f_(form) {}

private:
    ui::Form& f_;

public:
    ui::Frame FrameSkins{f_, L"FrameSkins"};
    ui::Label Label14{f_, L"Label14"};
    ui::ListBox List1{f_, L"List1"};
    ui::Picture Image6{f_, L"Image6"};
    ui::Button choisir{f_, L"choisir"};
    ui::Picture Image5{f_, L"Image5"};

    ui::Frame FrameAide{f_, L"FrameAide"};
    ui::ControlArray<ui::Label> LabelAide{f_, L"LabelAide", 0, 9};
    ui::Picture Image1{f_, L"Image1"};

    ui::Frame FrameAPropos{f_, L"FrameAPropos"};
    ui::ControlArray<ui::Label> LabelAPropos{f_, L"LabelAPropos", 0, 2};  // title, "version ", ""
    ui::Label Label44{f_, L"Label44"};                                    // the version
    ui::Button EcrireSupport{f_, L"EcrireSupport"};                       // opens the support window
    ui::Picture Image7{f_, L"Image7"};

    ui::Frame FrameChoixAlerte{f_, L"FrameChoixAlerte"};
    ui::ControlArray<ui::Label> LabelChoixAlerte{f_, L"LabelChoixAlerte", 0, 3};
    ui::ControlArray<ui::TextBox> Text6{f_, L"Text6", 1, 6};
    ui::ControlArray<ui::CheckBox> Check3{f_, L"Check3", 1, 6};
    ui::Button testSonAlerte{f_, L"testSonAlerte"};
    ui::Button ReyCommand1{f_, L"ReyCommand1"};

    ui::Frame FrameInfos{f_, L"FrameInfos"};
    ui::ControlArray<ui::Label> LabelInfos{f_, L"LabelInfos", 0, 9};
    ui::CheckBox Check2{f_, L"Check2"};
    ui::Button jaibienlu1{f_, L"jaibienlu1"};

    ui::Frame FrameInfos2{f_, L"FrameInfos2"};
    ui::ControlArray<ui::Label> LabelInfos2{f_, L"LabelInfos2", 0, 9};
    ui::CheckBox Check1{f_, L"Check1"};
    ui::Button jaibienlu2{f_, L"jaibienlu2"};

protected:
    void designInformationPanes();
};

}  // namespace wardo::panel
