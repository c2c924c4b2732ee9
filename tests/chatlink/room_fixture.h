// A fresh simulated desktop with the room open and the link holding the room's controls.
#pragma once
#include <gtest/gtest.h>

#include "chatlink/room_link.h"
#include "platform/sim/sim_desktop.h"
#include "tools/room/sim_room.h"

namespace wardo::chatlink::testing {

class RoomFixture : public ::testing::Test {
protected:
    RoomFixture() {
        link.HandlePanneauChat = room.panel();
        link.HandleTexteChat = room.textPane();
        link.HandleTexteChatControle = room.textPane();
        link.HandleSaisieChat = room.inputLine();
        link.HandleBoutonEnvoi = room.sendButton();
        link.HandleBoutonMicro = room.micButton();
        link.HandleBoutonMicro2 = room.mic2Button();
        desk.windows.clearLog();
    }

    room::RoomModel& model() { return room.model(); }
    std::int64_t now() { return desk.loop.nowMs(); }

    platform::sim::SimDesktop desk;
    room::SimRoom room{desk.windows, desk.loop};
    RoomLink link{desk.platform()};
};

}  // namespace wardo::chatlink::testing
