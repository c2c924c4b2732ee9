// The portable profile format against the system's GetPrivateProfileStringA / WritePrivateProfileStringA
// on the same files, in the cases where Wine is known to behave as Windows.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/win32_files.h"
#include "scratch_folder.h"
#include "settings/settings_file.h"

namespace wardo::settings {
namespace {

struct Probe {
    std::string section, key;
};

struct ReadCase {
    const char* name;
    std::string content;
    std::vector<Probe> probes;
};

struct Write {
    std::string section, key, value;
};

struct WriteCase {
    const char* name;
    std::string initial;  // "" with `create` false: no file at first
    bool create;
    std::vector<Write> writes;
    std::vector<Probe> probes;
};

std::string bin(const char* bytes, size_t n) {
    return std::string(bytes, n);
}

void put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string systemRead(const std::string& file, const Probe& p) {
    char buffer[800] = {};
    const DWORD n = GetPrivateProfileStringA(p.section.c_str(), p.key.c_str(), "", buffer, 800, file.c_str());
    return std::string(buffer, n);
}

std::string ourRead(const std::string& file, const Probe& p) {
    platform::win32::Win32Files files;
    return text::toAnsi(
        LitIni(files, text::fromAnsi(p.section), text::fromAnsi(p.key), text::fromAnsi(file)));
}

const std::vector<ReadCase>& readCases() {
    static const std::vector<ReadCase> cases = {
        {"ordinary",
         "[Parametres]\r\n  Type Ban  =  1h  \r\nPhraseConnexion=Salut la room !\r\nVide=\r\n[Alertes]\r\n"
         "1=1|Toto\r\n2=0|\r\n",
         {{"Parametres", "type ban"},
          {"PARAMETRES", "PhraseConnexion"},
          {"Parametres", "Vide"},
          {"Parametres", "Absent"},
          {"Absente", "1"},
          {"Alertes", "1"},
          {"alertes", "2"},
          {" Alertes ", " 1 "},
          {"Alertes", "Type Ban"}}},
        {"quotes",
         "[Q]\r\nd=\"double\"\r\ns='single'\r\nmixed=\"x'\r\nlone=\"\r\nempty=\"\"\r\ninner= \" a b \" \r\n"
         "twice=\"\"x\"\"\r\nmiddle=a\"b\"c\r\nnested=\"a\"b\"\r\nsq=''\r\n",
         {{"Q", "d"},
          {"Q", "s"},
          {"Q", "mixed"},
          {"Q", "lone"},
          {"Q", "empty"},
          {"Q", "inner"},
          {"Q", "twice"},
          {"Q", "middle"},
          {"Q", "nested"},
          {"Q", "sq"}}},
        {"duplicates",
         "[A]\r\nk=first\r\nk=second\r\n[a]\r\nk=other\r\nonly=later\r\n[B]\r\nx=1\r\n",
         {{"A", "k"}, {"a", "K"}, {"A", "only"}, {"B", "x"}}},
        {"long values",
         "[L]\r\nthousand=" + std::string(1000, 'a') + "\r\nexact=" + std::string(799, 'b') + "\r\nover=" +
             std::string(800, 'c') + "\r\nquoted=\"" + std::string(797, 'd') + "\"\r\nafter=ok\r\n",
         {{"L", "thousand"}, {"L", "exact"}, {"L", "over"}, {"L", "quoted"}, {"L", "after"}}},
        {"LF line ends", "[S]\na=1\n\nb= 2 \n[T]\nc=3", {{"S", "a"}, {"S", "b"}, {"T", "c"}, {"S", "c"}}},
        {"ANSI characters", "[S]\r\nk=\xE9t\xE9 \x80 \xC0\xD9\r\n", {{"S", "k"}}},
        {"UTF-16 with mark",
         bin("\xFF\xFE[\0S\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0", 22),
         {{"S", "a"}, {"S", "b"}}},
        {"empty file", "", {{"S", "k"}, {"", "k"}}},
    };
    return cases;
}

TEST(ProfileAgainstSystem, Reads) {
    testing::ScratchFolder folder;
    for (size_t i = 0; i < readCases().size(); ++i) {
        const auto& c = readCases()[i];
        const std::string file = folder.ansi() + "read" + std::to_string(i) + ".ini";
        put(file, c.content);
        for (const auto& p : c.probes)
            EXPECT_EQ(ourRead(file, p), systemRead(file, p)) << c.name << " [" << p.section << "] " << p.key;
    }
    const std::string absent = folder.ansi() + "absent\\none.ini";
    EXPECT_EQ(ourRead(absent, {"S", "k"}), systemRead(absent, {"S", "k"})) << "missing folder";
}

const std::vector<WriteCase>& writeCases() {
    static const std::vector<WriteCase> cases = {
        {"new file",
         "",
         false,
         {{"Parametres", "AffWarning", "N"},
          {"Alertes", "1", "1|Toto"},
          {"Parametres", "Type Ban", "1h"},
          {"Alertes", "2", ""},
          {"PARAMETRES", "affwarning", "O"}},
         {{"Parametres", "AffWarning"}, {"Parametres", "Type Ban"}, {"Alertes", "1"}, {"Alertes", "2"}}},
        {"existing file",
         "[Parametres]\r\n  AffInfos1 = O \r\nPhraseConnexion=\"salut\"\r\n\r\n[Raisons]\r\n1=spam\r\n",
         true,
         {{"Parametres", "AffInfos1", "N"},
          {"Raisons", "2", "flood"},
          {"Sons", "1", "a.wav"},
          {"Raisons", "1", " blanks around "},
          {"Parametres", "Quote", "\"quoted\""}},
         {{"Parametres", "AffInfos1"},
          {"Parametres", "PhraseConnexion"},
          {"Raisons", "1"},
          {"Raisons", "2"},
          {"Sons", "1"},
          {"Parametres", "Quote"}}},
        {"duplicates",
         "[A]\r\nk=first\r\nk=second\r\n[a]\r\nonly=later\r\n",
         true,
         {{"A", "only", "new"}, {"a", "K", "changed"}},
         {{"A", "only"}, {"A", "k"}}},
        {"LF file",
         "[S]\na=1\nb=2\n",
         true,
         {{"S", "a", "9"}, {"S", "c", "3"}, {"T", "d", "4"}},
         {{"S", "a"}, {"S", "b"}, {"S", "c"}, {"T", "d"}}},
        {"long value",
         "",
         false,
         {{"L", "k", std::string(1000, 'g')}, {"L", "m", "after"}},
         {{"L", "k"}, {"L", "m"}}},

        {"UTF-16 file",
         bin("\xFF\xFE[\0S\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0", 22),
         true,
         {{"S", "b", "\xE8"}, {"S", "a", "x"}, {"T", "c", "3"}},
         {{"S", "a"}, {"S", "b"}, {"T", "c"}}},
    };
    return cases;
}

TEST(ProfileAgainstSystem, Writes) {
    testing::ScratchFolder folder;
    platform::win32::Win32Files files;
    for (size_t i = 0; i < writeCases().size(); ++i) {
        const auto& c = writeCases()[i];
        const std::string viaSystem = folder.ansi() + "system" + std::to_string(i) + ".ini";
        const std::string viaOurs = folder.ansi() + "ours" + std::to_string(i) + ".ini";
        if (c.create) {
            put(viaSystem, c.initial);
            put(viaOurs, c.initial);
        }
        for (const auto& w : c.writes) {
            WritePrivateProfileStringA(w.section.c_str(), w.key.c_str(), w.value.c_str(), viaSystem.c_str());
            EcritIni(files, text::fromAnsi(w.section), text::fromAnsi(w.key), text::fromAnsi(w.value),
                     text::fromAnsi(viaOurs));
        }
        for (const auto& p : c.probes) {
            const std::string expected = systemRead(viaSystem, p);
            // What we wrote must read the same through the system's reader and through ours.
            EXPECT_EQ(systemRead(viaOurs, p), expected) << c.name << " [" << p.section << "] " << p.key;
            EXPECT_EQ(ourRead(viaOurs, p), expected) << c.name << " [" << p.section << "] " << p.key;
        }
    }
}

// The system writes a value's line breaks as they are, which adds entries of its own; ours never does.
TEST(ProfileAgainstSystem, LineBreaksInAValueStayInItsEntry) {
    testing::ScratchFolder folder;
    platform::win32::Win32Files files;
    const std::wstring file = folder.wide() + L"breaks.ini";
    EcritIni(files, L"Annonces", L"1", L"first line\r\n2=second\r\n[Raisons]", file);
    const std::string ansiFile = text::toAnsi(file);
    EXPECT_EQ(systemRead(ansiFile, {"Annonces", "1"}), "first line  2=second  [Raisons]");
    EXPECT_EQ(systemRead(ansiFile, {"Annonces", "2"}), "");
}

}  // namespace
}  // namespace wardo::settings
