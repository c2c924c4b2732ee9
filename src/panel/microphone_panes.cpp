#include "panel/microphone_panes.h"

#include "panel/design_pictures.h"

namespace wardo::panel {

namespace {
constexpr const wchar_t* kWhatTheKeyIsFor =
    L"La touche micro vous permet de prendre le micro de la salle sans être sur sa page, même quand vous "
    L"travaillez dans une autre fenêtre.";
}  // namespace

void MicrophonePanes::designMicrophonePanes() {
    FrameIndicationToucheMicro.move(15000, 250, 4215, 4800);
    FrameIndicationToucheMicro.contain(
        {&LabelIndicationMicro, &Label80, &AvecOuSansBip, &Jeveuxlachanger, &cestbon});
    LabelIndicationMicro.move(240, 240, 3735, 720);
    LabelIndicationMicro.setCaption(kWhatTheKeyIsFor);
    Label80.move(240, 1080, 3735, 720);
    Label80.setCaption(
        L"La touche qui vous permet de prendre le voice de la room sans être sur sa page est actuellement :");
    // The picture of the key in use; only one is shown at a time.
    for (int i = 1; i <= 6; ++i) {
        touchemicencours(i).setContainer(&FrameIndicationToucheMicro);
        touchemicencours(i).move(1320, 1920, 1575, 960);
        touchemicencours(i).setStretch(true);
        touchemicencours(i).setVisible(false);
        pictureBesideProgram(touchemicencours(i), kKeyPictures[i - 1]);
    }
    AvecOuSansBip.move(240, 3060, 3735, 255);
    AvecOuSansBip.setCaption(L"Faire un bip à la prise de micro");
    Jeveuxlachanger.move(240, 3480, 3735, 375);
    Jeveuxlachanger.setCaption(L"Je veux changer de touche !!");
    cestbon.move(240, 3960, 3735, 375);
    cestbon.setCaption(L"OK c'est bon je garde cette touche");

    FrameChoixToucheMicro.move(15000, 250, 4215, 4800);
    for (int i = 0; i <= 2; ++i) LabelChoixMicro(i).setContainer(&FrameChoixToucheMicro);
    LabelChoixMicro(0).move(240, 120, 3735, 285);
    LabelChoixMicro(0).setCaption(L"Choisissez votre touche de prise de micro");
    LabelChoixMicro(0).setFont({L"Verdana", 8, true});
    LabelChoixMicro(2).move(240, 450, 3735, 600);
    LabelChoixMicro(2).setCaption(kWhatTheKeyIsFor);
    LabelChoixMicro(1).move(240, 1110, 3735, 480);
    LabelChoixMicro(1).setCaption(L"Pressez une touche parmi les suivantes sur votre clavier:");
    // Alt, Ctrl and Left arrow on the first row; Up, Down and Right arrows on the second.
    for (int i = 1; i <= 6; ++i) {
        const int left = 360 + ((i - 1) % 3) * 1320;
        const int top = 1740 + ((i - 1) / 3) * 840;
        bordimage(i).setContainer(&FrameChoixToucheMicro);
        bordimage(i).move(left - 60, top - 60, 960, 720);
        bordimage(i).setBackColor(0x0000FF);
        bordimage(i).setVisible(false);
        ImageTouche(i).setContainer(&FrameChoixToucheMicro);
        ImageTouche(i).move(left, top, 840, 600);
        ImageTouche(i).setStretch(true);
        pictureBesideProgram(ImageTouche(i), kKeyPictures[i - 1]);
    }
    FrameChoixToucheMicro.contain({&validetouchemicro, &pasdetouchemicro, &Label4});
    validetouchemicro.move(240, 3420, 3735, 375);
    validetouchemicro.setCaption(L"Je valide la touche encadrée");
    pasdetouchemicro.move(240, 3885, 3735, 375);
    pasdetouchemicro.setCaption(L"Je ne veux pas de touche micro !");
    Label4.move(3600, 4380, 480, 255);

    Frame2.move(10000, 2160, 3580, 2850);
    Frame2.contain({&Label69, &annuleremissionson, &Label70});
    Label69.move(120, 240, 3340, 720);
    Label69.setCaption(L"Le micro est occupé. Votre son sera émis en priorité dès qu'il sera libre.");
    Label69.setFont({L"Verdana", 8, true});
    annuleremissionson.move(1140, 1200, 1300, 375);
    annuleremissionson.setCaption(L"Annuler");
    Label70.move(120, 1920, 3340, 480);
    Label70.setCaption(L"Envoyer le son maintenant c'est moi qui ai le voice !");
    Label70.setForeColor(0xFF0000);
}

}  // namespace wardo::panel
