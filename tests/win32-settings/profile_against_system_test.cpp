// The portable profile format against the system's GetPrivateProfileStringA / WritePrivateProfileStringA
// on the same files. Cases marked Known are asserted: Wine is known to behave as Windows there. The
// others are compared and their differences printed only, since Windows' own behaviour there is
// undocumented and may differ from Wine's.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/win32_files.h"
#include "scratch_folder.h"
#include "settings/settings_file.h"

namespace wardo::settings {
namespace {

enum class Windows { Known, Unknown };

struct Probe {
    std::string section, key;
};

struct ReadCase {
    const char* name;
    std::string content;
    std::vector<Probe> probes;
    Windows agreement;
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
    Windows agreement;
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

std::string shown(const std::string& s) {
    std::string out;
    for (unsigned char c : s.substr(0, 40)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, (c < 32 || c > 126) ? "\\x%02X" : "%c", c);
        out += hex;
    }
    return s.size() > 40 ? out + "...(" + std::to_string(s.size()) + ")" : out;
}

// Compares one read; asserts it or prints the difference.
void compare(const char* caseName, const Probe& p, const std::string& expected, const std::string& actual,
             Windows agreement, int& loggedDifferences) {
    if (agreement == Windows::Known) {
        EXPECT_EQ(actual, expected) << caseName << " [" << p.section << "] " << p.key;
    } else if (actual != expected) {
        ++loggedDifferences;
        std::printf("[ differs  ] %s [%s] %s: system '%s', ours '%s'\n", caseName, p.section.c_str(),
                    p.key.c_str(), shown(expected).c_str(), shown(actual).c_str());
    }
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
          {"Alertes", "Type Ban"}},
         Windows::Known},
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
          {"Q", "sq"}},
         Windows::Known},
        {"duplicates",
         "[A]\r\nk=first\r\nk=second\r\n[a]\r\nk=other\r\nonly=later\r\n[B]\r\nx=1\r\n",
         {{"A", "k"}, {"a", "K"}, {"A", "only"}, {"B", "x"}},
         Windows::Known},
        {"long values",
         "[L]\r\nthousand=" + std::string(1000, 'a') + "\r\nexact=" + std::string(799, 'b') + "\r\nover=" +
             std::string(800, 'c') + "\r\nquoted=\"" + std::string(797, 'd') + "\"\r\nafter=ok\r\n",
         {{"L", "thousand"}, {"L", "exact"}, {"L", "over"}, {"L", "quoted"}, {"L", "after"}},
         Windows::Known},
        {"LF line ends",
         "[S]\na=1\n\nb= 2 \n[T]\nc=3",
         {{"S", "a"}, {"S", "b"}, {"T", "c"}, {"S", "c"}},
         Windows::Known},
        {"ANSI characters", "[S]\r\nk=\xE9t\xE9 \x80 \xC0\xD9\r\n", {{"S", "k"}}, Windows::Known},
        {"UTF-16 with mark",
         bin("\xFF\xFE[\0S\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0", 22),
         {{"S", "a"}, {"S", "b"}},
         Windows::Known},
        {"empty file", "", {{"S", "k"}, {"", "k"}}, Windows::Known},

        {"CR line ends", "[S]\ra=1\rb=2\r[T]\rc=3\r", {{"S", "a"}, {"S", "b"}, {"T", "c"}}, Windows::Unknown},
        {"mixed blanks",
         "[S]\r\n\tk1\t=\tv\t\r\nk2=\x0Bv\x0C\r\nk3=\x1Av\x1A\r\nk4=\xA0v\xA0\r\n",
         {{"S", "k1"}, {"S", "k2"}, {"S", "k3"}, {"S", "k4"}},
         Windows::Unknown},
        {"odd lines",
         "top=1\r\n[S]\r\nnoequals\r\na=b=c\r\n;comment=1\r\n=nameless\r\n[Broken\r\nafterbroken=x\r\n"
         "[T]trailing junk\r\nt=1\r\n[U]]\r\nu=2\r\n[ V ]\r\nv=3\r\n[]\r\nlate=4\r\n",
         {{"", "top"},
          {"S", "noequals"},
          {"S", "a"},
          {"S", ";comment"},
          {"S", ""},
          {"S", "afterbroken"},
          {"Broken", "afterbroken"},
          {"T", "t"},
          {"U]", "u"},
          {"U", "u"},
          {"V", "v"},
          {"", "late"}},
         Windows::Unknown},
        {"NUL bytes",
         bin("[S]\r\na=x\0y\r\nc\0d=3\r\n[T\0U]\r\ne=4\r\n\0\0", 33),
         {{"S", "a"}, {"S", "c"}, {"T", "e"}},
         Windows::Unknown},
        {"UTF-8 with mark", "\xEF\xBB\xBF[S]\r\na=\xC3\xA9t\xC3\xA9\r\n", {{"S", "a"}}, Windows::Unknown},
        {"accented names",
         "[\xC9t\xE9]\r\nk\xC9=1\r\n",
         {{"\xC9T\xC9", "k\xE9"}, {"\xC9t\xE9", "k\xC9"}},
         Windows::Unknown},
        {"quoted and too long",
         "[L]\r\nq=\"" + std::string(799, 'e') + "\"\r\nr=\"" + std::string(900, 'f') + "\"\r\n",
         {{"L", "q"}, {"L", "r"}},
         Windows::Unknown},
    };
    return cases;
}

TEST(ProfileAgainstSystem, Reads) {
    testing::ScratchFolder folder;
    int logged = 0, compared = 0;
    for (size_t i = 0; i < readCases().size(); ++i) {
        const auto& c = readCases()[i];
        const std::string file = folder.ansi() + "read" + std::to_string(i) + ".ini";
        put(file, c.content);
        for (const auto& p : c.probes) {
            compare(c.name, p, systemRead(file, p), ourRead(file, p), c.agreement, logged);
            ++compared;
        }
    }
    const Probe missing{"S", "k"};
    const std::string absent = folder.ansi() + "absent\\none.ini";
    compare("missing folder", missing, systemRead(absent, missing), ourRead(absent, missing), Windows::Known,
            logged);
    std::printf("[ profiles ] %d reads compared, %d differences outside the asserted cases\n", compared,
                logged);
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
         {{"Parametres", "AffWarning"}, {"Parametres", "Type Ban"}, {"Alertes", "1"}, {"Alertes", "2"}},
         Windows::Known},
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
          {"Parametres", "Quote"}},
         Windows::Known},
        {"duplicates",
         "[A]\r\nk=first\r\nk=second\r\n[a]\r\nonly=later\r\n",
         true,
         {{"A", "only", "new"}, {"a", "K", "changed"}},
         {{"A", "only"}, {"A", "k"}},
         Windows::Known},
        {"LF file",
         "[S]\na=1\nb=2\n",
         true,
         {{"S", "a", "9"}, {"S", "c", "3"}, {"T", "d", "4"}},
         {{"S", "a"}, {"S", "b"}, {"S", "c"}, {"T", "d"}},
         Windows::Known},
        {"long value",
         "",
         false,
         {{"L", "k", std::string(1000, 'g')}, {"L", "m", "after"}},
         {{"L", "k"}, {"L", "m"}},
         Windows::Known},

        {"UTF-16 file",
         bin("\xFF\xFE[\0S\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0", 22),
         true,
         {{"S", "b", "\xE8"}, {"S", "a", "x"}, {"T", "c", "3"}},
         {{"S", "a"}, {"S", "b"}, {"T", "c"}},
         Windows::Known},
        {"UTF-8 file",
         "\xEF\xBB\xBF[S]\r\na=\xC3\xA9\r\n",
         true,
         {{"S", "b", "\xE8"}, {"T", "c", "3"}},
         {{"S", "a"}, {"S", "b"}, {"T", "c"}},
         Windows::Unknown},
        {"CR file and top entries",
         "top=1\r[S]\ra=1\r",
         true,
         {{"S", "a", "9"}, {"", "top", "2"}, {"", "new", "3"}},
         {{"S", "a"}, {"", "top"}, {"", "new"}},
         Windows::Unknown},
        {"no final line break",
         "[S]\r\na=1",
         true,
         {{"S", "b", "2"}, {"T", "c", "3"}},
         {{"S", "a"}, {"S", "b"}, {"T", "c"}},
         Windows::Unknown},
    };
    return cases;
}

TEST(ProfileAgainstSystem, Writes) {
    testing::ScratchFolder folder;
    platform::win32::Win32Files files;
    int logged = 0;
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
            compare(c.name, p, expected, systemRead(viaOurs, p), c.agreement, logged);
            compare(c.name, p, expected, ourRead(viaOurs, p), c.agreement, logged);
        }
    }
    std::printf("[ profiles ] %d write differences outside the asserted cases\n", logged);
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
