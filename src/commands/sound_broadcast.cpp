#include "commands/sound_broadcast.h"

#include "panel/reglages.h"
#include "settings/settings_file.h"

namespace wardo::commands {

SoundBroadcast::SoundBroadcast(app::Program& program, panel::Reglages& panel)
    : program_(program), panel_(panel) {
    panel_.JoueSons.onClick = [this] { JoueSons_Click(); };
    panel_.ListeSons.onClick = [this] { ListeSons_Click(); };
    panel_.annuleremissionson.onClick = [this] { annuleremissionson_Click(); };
    panel_.Label70.onClick = [this] { Label70_Click(); };
}

void SoundBroadcast::JoueSons_Click() {
    LitTitresSons();
    panel_.ListeSons.setLeft(kListeVisible);
}

void SoundBroadcast::LitTitresSons() {
    FichiersSons = {};
    panel_.ListeSons.clear();
    const settings::IniLu ini = program_.ouvreIni();
    for (int i = 1; i <= kEmplacements; ++i) {
        const Text cle = text::decimal(i);
        panel_.ListeSons.addItem(ini.lit(L"TitreSons", cle));
        FichiersSons[static_cast<size_t>(i)] = ini.lit(L"Sons", cle);
    }
    panel_.ListeSons.addItem(L"ANNULER");
}

void SoundBroadcast::ListeSons_Click() {
    const int index = panel_.ListeSons.listIndex();
    if (index < 0 || index >= kEmplacements + 1) return;  // no entry chosen
    if (panel_.ListeSons.text() == L"ANNULER") {
        panel_.ListeSons.setLeft(kListeCachee);
        return;
    }
    // A slot with no file name plays the folder's path: the player's default sound.
    const Text chemin = program_.DossierConfig + L"sons\\" + FichiersSons[static_cast<size_t>(index + 1)];
    auto& p = program_.platform;
    panel_.ListeSons.setLeft(kListeEnEmission);
    p.loop.doEvents();

    chatlink::RoomLink& room = program_.room;
    room.AttendMicroLibre();
    // Ended by the program's end: the microphone was not pressed and nothing may be played.
    if (room.EmissionSonAnnulee || p.loop.quitting()) return;
    if (room.EmissionSonImmediate) {
        p.sounds.playWav(chemin, false);
        return;
    }
    // The one press that took the microphone may show late in a slow room: the sound goes out once it
    // shows (bounded), so that the room hears it from its start and the release finds it taken.
    room.microReadsWithin(true, chatlink::RoomLink::kPressAnswerMs);
    p.sounds.playWav(chemin, false);
    room.LibereMicro();
}

void SoundBroadcast::annuleremissionson_Click() {
    program_.room.EmissionSonAnnulee = true;
}

void SoundBroadcast::Label70_Click() {
    program_.room.EmissionSonImmediate = true;
}

}  // namespace wardo::commands
