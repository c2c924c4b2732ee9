// The generated sounds, drag cursor and key pictures are well-formed files the system can load.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string load(const std::string& name) {
    std::ifstream in(std::string(WARDO_RESOURCE_DIR) + "/" + name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::uint32_t u32(const std::string& b, size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b.at(at + static_cast<size_t>(i)));
    return v;
}
std::uint16_t u16(const std::string& b, size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b.at(at)) |
                                      (static_cast<unsigned char>(b.at(at + 1)) << 8));
}

TEST(Resources, SoundsArePcmWavesWithSound) {
    if (std::string(WARDO_RESOURCE_DIR).empty()) GTEST_SKIP() << "resources not generated in this build";
    for (const char* name : {"sonentree1.wav", "sonentree2.wav", "sonentree3.wav", "sireneincendie.wav"}) {
        SCOPED_TRACE(name);
        const std::string b = load(name);
        ASSERT_GT(b.size(), 44u);
        EXPECT_EQ(b.substr(0, 4), "RIFF");
        EXPECT_EQ(u32(b, 4), b.size() - 8);
        EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(u16(b, 20), 1);  // PCM
        EXPECT_EQ(b.substr(36, 4), "data");
        EXPECT_EQ(u32(b, 40), b.size() - 44);
        int loud = 0;
        for (size_t i = 44; i + 1 < b.size(); i += 2)
            loud += std::abs(static_cast<std::int16_t>(u16(b, i))) > 8000;
        EXPECT_GT(loud, 100);
    }
    // The siren lasts; the chimes are short.
    EXPECT_GT(load("sireneincendie.wav").size(), 4 * load("sonentree1.wav").size());
}

TEST(Resources, DragCursorIsA32By32CursorWithCentredHotSpot) {
    if (std::string(WARDO_RESOURCE_DIR).empty()) GTEST_SKIP() << "resources not generated in this build";
    const std::string b = load("H_MOVE.CUR");
    ASSERT_EQ(b.size(), 6u + 16u + 40u + 8u + 128u + 128u);
    EXPECT_EQ(u16(b, 2), 2);  // cursor, not icon
    EXPECT_EQ(u16(b, 4), 1);
    EXPECT_EQ(static_cast<unsigned char>(b[6]), 32);
    EXPECT_EQ(static_cast<unsigned char>(b[7]), 32);
    EXPECT_EQ(u16(b, 10), 16);
    EXPECT_EQ(u16(b, 12), 16);
    EXPECT_EQ(u32(b, 14), b.size() - 22);
    EXPECT_EQ(u32(b, 18), 22u);
    EXPECT_EQ(u32(b, 22 + 8), 64u);  // height of colour and mask together
}

TEST(Resources, KeyPicturesAre48By48BitmapsEachItsOwn) {
    if (std::string(WARDO_RESOURCE_DIR).empty()) GTEST_SKIP() << "resources not generated in this build";
    std::vector<std::string> pictures;
    for (const char* name : {"touche_alt.bmp", "touche_ctrl.bmp", "touche_gauche.bmp", "touche_haut.bmp",
                             "touche_bas.bmp", "touche_droite.bmp"}) {
        SCOPED_TRACE(name);
        const std::string b = load(name);
        ASSERT_EQ(b.size(), 14u + 40u + 48u * 48u * 3u);
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(u32(b, 2), b.size());
        EXPECT_EQ(u32(b, 18), 48u);
        EXPECT_EQ(u32(b, 22), 48u);
        EXPECT_EQ(u16(b, 28), 24);
        pictures.push_back(b);
    }
    std::sort(pictures.begin(), pictures.end());
    EXPECT_EQ(std::unique(pictures.begin(), pictures.end()), pictures.end());
}

}  // namespace
