#include "app/program.h"

#include "app/principale.h"
#include "chatlink/pickers/connex_man.h"
#include "chatlink/pickers/connex_man2.h"
#include "commands/envoimsg.h"
#include "editors/messages_edit.h"
#include "editors/raisons_edit.h"
#include "editors/sons_edit.h"
#include "panel/reglages.h"
#include "serverlink/message.h"
#include "settings/settings_file.h"

namespace wardo::app {

Program::Program(platform::Platform& p, ui::FormHost& host) : platform(p), runtime(p, host), room(p) {}

// The forms, declared after the runtime they registered with, go before it.
Program::~Program() = default;

template <class F>
F& Program::onFirstUse(std::unique_ptr<F>& form) {
    if (!form) form = std::make_unique<F>(*this);
    return *form;
}

Text Program::fichierIni() const {
    return settings::settingsFilePath(DossierConfig);
}

Text Program::LitIni(const Text& section, const Text& key) {
    return settings::LitIni(platform.files, section, key, fichierIni());
}

settings::IniLu Program::ouvreIni() {
    return settings::IniLu(platform.files, fichierIni());
}

void Program::EcritIni(const Text& section, const Text& key, const Text& value) {
    settings::EcritIni(platform.files, section, key, value, fichierIni());
}

bool Program::EcritIniGroupe(const std::vector<settings::IniEntry>& entries) {
    return settings::EcritIniGroupe(platform.files, entries, fichierIni());
}

Principale& Program::principale() {
    return onFirstUse(principale_);
}

panel::Reglages& Program::reglages() {
    return onFirstUse(reglages_);
}

chatlink::ConnexMan& Program::connexMan() {
    return onFirstUse(connexMan_);
}

chatlink::ConnexMan2& Program::connexMan2() {
    return onFirstUse(connexMan2_);
}

serverlink::Message& Program::message() {
    return onFirstUse(message_);
}

editors::MessagesEdit& Program::messagesEdit() {
    return onFirstUse(messagesEdit_);
}

editors::RaisonsEdit& Program::raisonsEdit() {
    return onFirstUse(raisonsEdit_);
}

editors::SonsEdit& Program::sonsEdit() {
    return onFirstUse(sonsEdit_);
}

commands::Envoimsg& Program::envoimsg() {
    return onFirstUse(envoimsg_);
}

int Program::run() {
    principale().load();  // its load ends the program when no datagram port is free
    if (!platform.loop.quitting()) principale().show();
    platform.loop.runUntil([] { return false; });
    return exitCode_;
}

void Program::end(int exitCode) {
    exitCode_ = exitCode;
    platform.loop.quit(exitCode);
}

}  // namespace wardo::app
