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

// Forms go before the runtime they registered with.
Program::~Program() {
    envoimsg_.reset();
    connexMan2_.reset();
    connexMan_.reset();
    message_.reset();
    sonsEdit_.reset();
    raisonsEdit_.reset();
    messagesEdit_.reset();
    reglages_.reset();
    principale_.reset();
}

Text Program::fichierIni() const {
    return settings::settingsFilePath(DossierConfig);
}

Text Program::LitIni(const Text& section, const Text& key) {
    return settings::LitIni(platform.files, section, key, fichierIni());
}

void Program::EcritIni(const Text& section, const Text& key, const Text& value) {
    settings::EcritIni(platform.files, section, key, value, fichierIni());
}

bool Program::EcritIniGroupe(const std::vector<settings::IniEntry>& entries) {
    return settings::EcritIniGroupe(platform.files, entries, fichierIni());
}

Principale& Program::principale() {
    if (!principale_) principale_ = std::make_unique<Principale>(*this);
    return *principale_;
}

panel::Reglages& Program::reglages() {
    if (!reglages_) reglages_ = std::make_unique<panel::Reglages>(*this);
    return *reglages_;
}

chatlink::ConnexMan& Program::connexMan() {
    if (!connexMan_) connexMan_ = std::make_unique<chatlink::ConnexMan>(*this);
    return *connexMan_;
}

chatlink::ConnexMan2& Program::connexMan2() {
    if (!connexMan2_) connexMan2_ = std::make_unique<chatlink::ConnexMan2>(*this);
    return *connexMan2_;
}

serverlink::Message& Program::message() {
    if (!message_) message_ = std::make_unique<serverlink::Message>(*this);
    return *message_;
}

editors::MessagesEdit& Program::messagesEdit() {
    if (!messagesEdit_) messagesEdit_ = std::make_unique<editors::MessagesEdit>(*this);
    return *messagesEdit_;
}

editors::RaisonsEdit& Program::raisonsEdit() {
    if (!raisonsEdit_) raisonsEdit_ = std::make_unique<editors::RaisonsEdit>(*this);
    return *raisonsEdit_;
}

editors::SonsEdit& Program::sonsEdit() {
    if (!sonsEdit_) sonsEdit_ = std::make_unique<editors::SonsEdit>(*this);
    return *sonsEdit_;
}

commands::Envoimsg& Program::envoimsg() {
    if (!envoimsg_) envoimsg_ = std::make_unique<commands::Envoimsg>(*this);
    return *envoimsg_;
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
