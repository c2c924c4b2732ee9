// The support-message window: the checks of its fields, the datagram it sends and the delivered state.
#include "link_fixture.h"

namespace wardo::serverlink::testing {
namespace {

class SupportWindow : public LinkTest {
protected:
    Message& openFilled() {
        startUp();
        program->PseudoRobot = L"Bob";
        OuvreMessage(*program);
        Message& m = program->message();
        m.Pseudo.userSetText(L"Alice");
        m.Visio.userSetText(L"Salle des amis");
        m.Email.userSetText(L"alice@exemple.fr");
        m.Texte.userSetText(L"Le micro ne se prend plus #£ depuis hier");
        return m;
    }
    std::size_t sent() const { return desk.network.sent().size(); }
};

TEST_F(SupportWindow, OpensModelessInTheReadyLookWithTheRobotsVersionAndNickname) {
    Message& m = openFilled();
    EXPECT_TRUE(m.visible());
    EXPECT_EQ(m.caption(), L"Envoi d'un message au suport");
    EXPECT_EQ(m.Code.text(), L"1.52 - Bob");
    EXPECT_TRUE(m.Code.locked());
    EXPECT_EQ(m.Envoi.caption(), L"Envoyer le message au support");
    EXPECT_EQ(m.Frame1.top(), 5040);
}

TEST_F(SupportWindow, AnEmptyFieldShowsTheErrorAndSendsNothing) {
    for (ui::TextBox Message::*field :
         {&Message::Pseudo, &Message::Visio, &Message::Email, &Message::Texte}) {
        Message& m = openFilled();
        (m.*field).userSetText(L"");
        m.Envoi.click();
        EXPECT_EQ(m.Envoi.caption(), L"OK je corrige") << text::toAnsi((m.*field).name());
        EXPECT_EQ(m.Label7.caption(), L"Erreur ! Au moins un champ n'est pas rempli !");
        EXPECT_EQ(m.Label7.foreColor(), 0xFFFFFF);
        EXPECT_EQ(sent(), 0u);
        m.unload();
    }
}

TEST_F(SupportWindow, SecondClickAfterAnErrorRestoresTheButtonWithoutSending) {
    Message& m = openFilled();
    m.Email.userSetText(L"");
    m.Envoi.click();
    m.Envoi.click();
    EXPECT_EQ(m.Envoi.caption(), L"Envoyer le message au support");
    EXPECT_EQ(m.Label7.caption(), L"Erreur ! Au moins un champ n'est pas rempli !");
    EXPECT_EQ(sent(), 0u);
}

TEST_F(SupportWindow, AFieldOfBlanksCountsAsFilled) {
    Message& m = openFilled();
    m.Visio.userSetText(L"   ");
    m.Envoi.click();
    EXPECT_EQ(sent(), 1u);
}

TEST_F(SupportWindow, SendsTheFieldsAsOneDatagramThenPausesASecond) {
    Message& m = openFilled();
    const std::int64_t before = desk.loop.nowMs();
    m.Envoi.click();
    EXPECT_EQ(desk.loop.nowMs() - before, 1000);
    EXPECT_EQ(m.Label7.caption(), L"Message en cours d'acheminement ...");
    EXPECT_EQ(m.Envoi.caption(), L"Envoyer le message au support");

    ASSERT_EQ(sent(), 1u);
    const auto& datagram = desk.network.sent()[0];
    EXPECT_EQ(datagram.to, kServeur);
    EXPECT_EQ(datagram.from, robot());
    const std::string message =
        "MSGAlice#\xA3"
        "1.52 - Bob#\xA3Salle des amis#\xA3"
        "alice@exemple.fr#\xA3Le micro ne se prend plus #\xA3 "
        "depuis hier";
    ASSERT_EQ(server.model.received().size(), 1u);
    EXPECT_EQ(server.model.received()[0].message, message);
    // The body is as long as the message, then "##" and its digest.
    const std::string body = datagram.bytes.substr(0, message.size());
    EXPECT_EQ(datagram.bytes, body + "##" + desk.digest.md5Hex(body));
}

TEST_F(SupportWindow, ServersAnswerShowsTheDelivery) {
    Message& m = openFilled();
    m.Envoi.click();
    desk.loop.doEvents();  // the server's "MSGOK" arrives
    EXPECT_EQ(m.Frame1.backColor(), 0x00C000);
    EXPECT_EQ(m.Label7.caption(), L"Message transmis - Vous pouvez refermer cette fenêtre");
    EXPECT_EQ(m.Frame1.top(), m.Texte.top());
    EXPECT_FALSE(m.Envoi.visible());
}

TEST_F(SupportWindow, DeliveryWhileClosedLoadsTheWindowHiddenAndOpeningShowsIt) {
    startUp();
    fromServer("MSGOK");
    Message& m = program->message();
    EXPECT_TRUE(m.loaded());
    EXPECT_FALSE(m.visible());
    OuvreMessage(*program);
    EXPECT_TRUE(m.visible());
    EXPECT_FALSE(m.Envoi.visible());
    EXPECT_EQ(m.Label7.caption(), L"Message transmis - Vous pouvez refermer cette fenêtre");
}

TEST_F(SupportWindow, ClosingOnlyUnloadsAndTheNextOpeningStartsAfresh) {
    Message& m = openFilled();
    m.Texte.userSetText(L"");
    m.Envoi.click();
    EXPECT_TRUE(m.userClose());
    EXPECT_FALSE(m.loaded());
    EXPECT_FALSE(desk.loop.quitting());
    OuvreMessage(*program);
    EXPECT_EQ(m.Envoi.caption(), L"Envoyer le message au support");
    EXPECT_EQ(m.Pseudo.text(), L"");
    EXPECT_EQ(m.Frame1.top(), 5040);
}

}  // namespace
}  // namespace wardo::serverlink::testing
