// The link with the server: the port the robot binds, the datagrams it reads and the ones it drops,
// the information text shown at the end of start-up, where the server is, and a failed send.
#include <cctype>

#include "cipher/crypt_text.h"
#include "cipher/keys.h"
#include "link_fixture.h"
#include "platform/sim/sim_code_page.h"

namespace wardo::serverlink::testing {
namespace {

class Link : public LinkTest {};

TEST_F(Link, ReadsADatagramWithExactlyOneSeparatorAndItsOwnDigest) {
    startUp();
    const std::string key = tools::server::robotKey();
    // "A" scrambled with the key's first character, 'o' (111): 65 + 111 = 176.
    const std::string body = "\xB0";
    const std::string sum = desk.digest.md5Hex(body);
    std::string upper = sum;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const struct {
        const char* name;
        std::string datagram;
        Text message;
    } cases[] = {
        {"one separator", body + "##" + sum, L"A"},
        {"no separator", body + sum, L""},
        {"two separators", body + "##" + sum + "##", L""},
        {"three separators", body + "##" + "##" + sum + "##", L""},
        {"digest in upper case", body + "##" + upper, L""},
        {"damaged body", "\xB1##" + sum, L""},
        {"empty", "", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(LitMessageServeur(*program, c.datagram), c.message) << c.name;
}

// Whatever the system's code page, the scrambled bytes are checked as they travel: only the message
// in clear is read, and written, in the code page.
TEST_F(Link, DatagramsAreCheckedOnTheirBytesUnderAMultiByteCodePage) {
    const struct {
        const char* name;
        const text::AnsiCodePage& codePage;
        std::string aGrave;  // "à" in that code page
    } cases[] = {
        {"1252", text::windows1252(), "\xE0"},
        {"65001", platform::sim::utf8CodePage(), "\xC3\xA0"},
    };
    for (const auto& c : cases) {
        const platform::sim::UsingCodePage codePage(c.codePage);
        freshProgram();
        startUp();
        fromServer("MSGINIMaintenance " + c.aGrave + " 22 h");
        EXPECT_EQ(program->MessageServeur, L"Maintenance à 22 h") << c.name;
        fromServer("MSGOK");
        EXPECT_TRUE(program->message().loaded()) << c.name;

        EnvoieServeur(*program, L"MSGVoilà");
        const std::string& sent = desk.network.sent().back().bytes;
        const std::string body = sent.substr(0, sent.size() - 34);
        EXPECT_EQ(sent, body + "##" + desk.digest.md5Hex(body)) << c.name;
        EXPECT_EQ(server.model.received().back().message, "MSGVoil" + c.aGrave) << c.name;
    }
}

TEST_F(Link, OnlyExactlyMsgokIsADeliveryNotice) {
    startUp();
    fromServer("MSGOK et plus");
    EXPECT_FALSE(program->message().loaded());
    fromServer("MSGOK");
    EXPECT_TRUE(program->message().loaded());
    EXPECT_FALSE(program->message().Envoi.visible());
}

TEST_F(Link, InformationTextLosesEveryMsginiAndTakesLineBreaksForDollars) {
    startUp();
    fromServer("MSGINILigne 1$Ligne 2");
    EXPECT_TRUE(program->MessageServeurPresent);
    EXPECT_EQ(program->MessageServeur, L"Ligne 1\r\nLigne 2");
    fromServer("MSGINIBonjour MSGINI \xE0 tous");
    EXPECT_EQ(program->MessageServeur, L"Bonjour  à tous");
}

TEST_F(Link, InformationTextThatCameDuringStartUpIsShownWhenItCompletes) {
    auto& p = startUp();
    server.sendInformation(robot(), "Maintenance ce soir$\xE0 22 h");
    desk.loop.runFor(999);
    EXPECT_EQ(p.FrameMsg.left(), 5000);
    desk.loop.runFor(1);
    EXPECT_EQ(p.FrameMsg.left(), 300);
    EXPECT_EQ(p.Label41.caption(), L"Maintenance ce soir\r\nà 22 h");
}

TEST_F(Link, LongInformationTextIsCutToWhatTheFrameShows) {
    auto& p = startUp();
    fromServer("MSGINI" + std::string(60000, 'x'));
    desk.loop.runFor(1000);
    EXPECT_EQ(program->MessageServeur.size(), 60000u);
    EXPECT_EQ(p.Label41.caption(), Text(2000, L'x'));
}

TEST_F(Link, OnlyTheServersAddressIsHeardWhateverThePortItSendsFrom) {
    const struct {
        platform::Endpoint from;
        bool heard;
    } cases[] = {
        {{"127.0.0.1", 190}, true},  {{"127.0.0.1", 191}, true}, {{"127.0.0.1", 50000}, true},
        {{"127.0.0.2", 190}, false}, {{"10.0.0.7", 190}, false}, {{"10.0.0.7", 50000}, false},
    };
    for (const auto& c : cases) {
        freshProgram();
        startUp();
        arrive(c.from, frame::build("MSGINIInfo", tools::server::robotKey(), desk.digest));
        arrive(c.from, frame::build("MSGOK", tools::server::robotKey(), desk.digest));
        EXPECT_EQ(program->MessageServeurPresent, c.heard) << c.from.address << ":" << c.from.port;
        EXPECT_EQ(program->message().loaded(), c.heard) << c.from.address << ":" << c.from.port;
    }
}

// 2,000 datagrams of 60,000 bytes: 120 MB if they were kept.
TEST_F(Link, AFloodKeepsNothingFromOtherAddressesAndLittleFromTheServers) {
    startUp();
    const std::string datagram(60000, 'x');
    for (const platform::Endpoint& from : {platform::Endpoint{"10.0.0.7", 4000}, kServeur}) {
        for (int n = 0; n < 2000; ++n) desk.network.send(from, robot(), datagram);
        const std::size_t kept = desk.network.waiting(robotPort()) * datagram.size();
        if (from == kServeur)
            EXPECT_LT(kept, 64u << 20);
        else
            EXPECT_EQ(kept, 0u);
        desk.loop.doEvents();
    }
    fromServer("MSGINIToujours l\xE0");
    EXPECT_EQ(program->MessageServeur, L"Toujours là");
}

TEST_F(Link, AFailureWhileADatagramIsHandledDropsThatDatagramOnly) {
    startUp();
    const std::string information = frame::build("MSGINIInfo", tools::server::robotKey(), desk.digest);
    desk.digest.failing = true;
    arrive(kServeur, information);
    desk.digest.failing = false;
    EXPECT_FALSE(program->MessageServeurPresent);
    EXPECT_FALSE(desk.loop.quitting());
    arrive(kServeur, information);
    EXPECT_EQ(program->MessageServeur, L"Info");
}

TEST_F(Link, BindsTheFirstFreePortFrom1752To1800) {
    for (const int firstFree : {1752, 1761, 1800}) {
        platform::sim::SimDesktop desktop;
        ui::HeadlessHost headless;
        for (int port = 1752; port < firstFree; ++port) desktop.network.takePort(port);
        app::Program prog(desktop.platform(), headless);
        prog.principale().show();
        EXPECT_TRUE(desktop.network.bound(firstFree)) << firstFree;
        EXPECT_TRUE(desktop.boxes.shown().empty()) << firstFree;
    }
}

TEST_F(Link, NoFreePortEndsTheProgramAfterItsBox) {
    for (int port = 1752; port <= 1800; ++port) desk.network.takePort(port);
    desk.network.takePort(1751);
    EXPECT_EQ(program->run(), 0);
    ASSERT_EQ(desk.boxes.shown().size(), 1u);
    EXPECT_EQ(desk.boxes.shown()[0].text, L"Impossible d'ouvrir un port !!");
    EXPECT_EQ(desk.boxes.shown()[0].buttons, platform::BoxButtons::Ok);
    EXPECT_TRUE(desk.loop.quitting());
    EXPECT_FALSE(principale().visible());
    EXPECT_FALSE(desk.network.bound(1801));
}

TEST_F(Link, SettingsKeyPointsTheRobotAtAnotherServer) {
    startUp();
    const struct {
        const wchar_t* clear;
        platform::Endpoint server;
    } cases[] = {
        {L"192.0.2.10", {"192.0.2.10", 190}},     {L"192.0.2.10:4190", {"192.0.2.10", 4190}},
        {L"serveur.exemple", {"127.0.0.1", 190}}, {L"300.1.1.1", {"127.0.0.1", 190}},
        {L"1.2.3", {"127.0.0.1", 190}},           {L"01.2.3.4", {"127.0.0.1", 190}},
        {L"1.2.3.4:", {"127.0.0.1", 190}},        {L"1.2.3.4:65536", {"127.0.0.1", 190}},
    };
    for (const auto& c : cases) {
        const Text hex = cipher::TexteVersHex(cipher::CrypteTexte(c.clear, cipher::CleTexte()), nullptr);
        writeIni("[Parametres]\r\nServeur=" + text::toAnsi(hex) + "\r\n");
        EXPECT_EQ(AdresseServeur(*program), c.server) << text::toAnsi(c.clear);
    }
    writeIni("[Parametres]\r\nServeur=zz\r\n");
    EXPECT_EQ(AdresseServeur(*program), kServeur);
}

TEST_F(Link, RefusedSendEndsTheProgramAfterItsBox) {
    const struct {
        int code;
        Text description, box;
    } cases[] = {
        {10014, L"Adresse incorrecte", L"Erreur ! vous devez être connecté sur internet pour continuer !"},
        {10051, L"Réseau inaccessible", L"Réseau inaccessible"},
    };
    for (const auto& c : cases) {
        platform::sim::SimDesktop desktop;
        ui::HeadlessHost headless;
        app::Program prog(desktop.platform(), headless);
        desktop.network.failSends(platform::SendError{c.code, c.description});
        EnvoieServeur(prog, L"MSGtest");
        ASSERT_EQ(desktop.boxes.shown().size(), 1u);
        EXPECT_EQ(desktop.boxes.shown()[0].text, c.box);
        EXPECT_TRUE(desktop.loop.quitting());
    }
}

}  // namespace
}  // namespace wardo::serverlink::testing
