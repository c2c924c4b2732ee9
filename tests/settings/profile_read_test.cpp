// Reading entries the way the system's profile functions do, on ordinary and hand-edited files.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/profile_format.h"

namespace wardo::settings {
namespace {

using text::Text;

std::optional<Text> read(const std::string& content, const Text& section, const Text& key) {
    return iniRead(content, section, key);
}

const std::string kOrdinary =
    "[Parametres]\r\n"
    "  Type Ban  =  1h  \r\n"
    "PhraseConnexion=Salut la room !\r\n"
    "Vide=\r\n"
    "[Alertes]\r\n"
    "1=1|Toto\r\n";

TEST(ProfileRead, NamesIgnoreAsciiCaseAndSurroundingBlanks) {
    EXPECT_EQ(read(kOrdinary, L"parametres", L"TYPE BAN"), L"1h");
    EXPECT_EQ(read(kOrdinary, L" Parametres ", L"\tType Ban "), L"1h");
    EXPECT_EQ(read(kOrdinary, L"Parametres", L"PhraseConnexion"), L"Salut la room !");
    EXPECT_EQ(read(kOrdinary, L"Alertes", L"1"), L"1|Toto");
    // Blanks inside a name count.
    EXPECT_EQ(read(kOrdinary, L"Parametres", L"TypeBan"), std::nullopt);
}

TEST(ProfileRead, MissingAndEmptyAreDistinctHereAndAlikeForTheProgram) {
    EXPECT_EQ(read(kOrdinary, L"Parametres", L"Vide"), L"");
    EXPECT_EQ(read(kOrdinary, L"Parametres", L"Absent"), std::nullopt);
    EXPECT_EQ(read(kOrdinary, L"Absente", L"1"), std::nullopt);
    EXPECT_EQ(read("", L"Parametres", L"Vide"), std::nullopt);
}

TEST(ProfileRead, OnePairOfEnclosingQuotesIsDropped) {
    const std::string f =
        "[Q]\r\nd=\"double\"\r\ns='single'\r\nmixed=\"x'\r\nlone=\"\r\nempty=\"\"\r\n"
        "inner= \" keeps blanks \" \r\ntwice=\"\"x\"\"\r\nmiddle=a\"b\"c\r\nnested=\"a\"b\"\r\n";
    EXPECT_EQ(read(f, L"Q", L"d"), L"double");
    EXPECT_EQ(read(f, L"Q", L"s"), L"single");
    EXPECT_EQ(read(f, L"Q", L"mixed"), L"\"x'");
    EXPECT_EQ(read(f, L"Q", L"lone"), L"\"");
    EXPECT_EQ(read(f, L"Q", L"empty"), L"");
    EXPECT_EQ(read(f, L"Q", L"inner"), L" keeps blanks ");
    EXPECT_EQ(read(f, L"Q", L"twice"), L"\"x\"");
    EXPECT_EQ(read(f, L"Q", L"middle"), L"a\"b\"c");
    EXPECT_EQ(read(f, L"Q", L"nested"), L"a\"b");
}

TEST(ProfileRead, TabsAndControlBlanksAreTrimmedButNotNoBreakSpace) {
    const std::string f = "[S]\r\n\tk1\t=\tv\t\r\nk2=\x0Bv\x0C\r\nk3=\x1Av\x1A\r\nk4=\xA0v\xA0\r\n";
    EXPECT_EQ(read(f, L"S", L"k1"), L"v");
    EXPECT_EQ(read(f, L"S", L"k2"), L"v");
    EXPECT_EQ(read(f, L"S", L"k3"), L"v");
    EXPECT_EQ(read(f, L"S", L"k4"), L"\u00a0v\u00a0");
}

TEST(ProfileRead, DuplicatesTakeTheFirstAndNeverLookFurther) {
    const std::string f = "[A]\r\nk=first\r\nk=second\r\n[a]\r\nk=other\r\nonly=later\r\n";
    EXPECT_EQ(read(f, L"A", L"k"), L"first");
    // The key exists only in the second section of that name: the system does not find it.
    EXPECT_EQ(read(f, L"A", L"only"), std::nullopt);
}

TEST(ProfileRead, EntriesBeforeAnySectionBelongToTheUnnamedSection) {
    const std::string f = "top=1\r\n[S]\r\nk=2\r\n[]\r\nlate=3\r\n";
    EXPECT_EQ(read(f, L"", L"top"), L"1");
    EXPECT_EQ(read(f, L"S", L"top"), std::nullopt);
    EXPECT_EQ(read(f, L"", L"late"), std::nullopt);
    EXPECT_EQ(read("k=no section at all", L"", L"k"), L"no section at all");
}

TEST(ProfileRead, OddLinesOfAHandEditedFile) {
    const std::string f =
        "[S]\r\n"
        "noequals\r\n"
        "a=b=c\r\n"
        ";comment=1\r\n"
        "=nameless\r\n"
        "[Broken\r\n"
        "afterbroken=x\r\n"
        "[T]trailing junk\r\n"
        "t=1\r\n"
        "[U]]\r\n"
        "u=2\r\n";
    EXPECT_EQ(read(f, L"S", L"noequals"), std::nullopt);  // present, but without a value
    EXPECT_EQ(read(f, L"S", L"a"), L"b=c");
    EXPECT_EQ(read(f, L"S", L";comment"), L"1");  // no comment syntax: it is a key like any other
    EXPECT_EQ(read(f, L"S", L""), L"nameless");
    // A "[" line without "]" is not a header: the entries after it stay in the section before.
    EXPECT_EQ(read(f, L"S", L"afterbroken"), L"x");
    EXPECT_EQ(read(f, L"Broken", L"afterbroken"), std::nullopt);
    EXPECT_EQ(read(f, L"T", L"t"), L"1");
    EXPECT_EQ(read(f, L"U]", L"u"), L"2");  // the name runs to the last "]"
    EXPECT_EQ(read(f, L"U", L"u"), std::nullopt);
}

TEST(ProfileRead, AnyLineEndWorks) {
    for (const std::string eol : {"\r\n", "\r", "\n", "\n\r", "\r\r\n"}) {
        const std::string f = "[S]" + eol + "a=1" + eol + eol + "b=2" + eol + "[T]" + eol + "c=3";
        EXPECT_EQ(read(f, L"S", L"a"), L"1");
        EXPECT_EQ(read(f, L"S", L"b"), L"2");
        EXPECT_EQ(read(f, L"T", L"c"), L"3");
    }
}

TEST(ProfileRead, NulBytesEndNamesAndValues) {
    const char raw[] = "[S]\r\na=x\0y\r\nc\0d=3\r\n[T\0U]\r\ne=4\r\n\0\0\0";
    const std::string f(raw, sizeof raw - 1);
    EXPECT_EQ(read(f, L"S", L"a"), L"x");
    EXPECT_EQ(read(f, L"S", L"c"), L"3");
    EXPECT_EQ(read(f, L"T", L"e"), L"4");
    EXPECT_EQ(read(f, Text(L"S\0junk", 6), Text(L"a\0junk", 6)), L"x");
}

TEST(ProfileRead, HugeLinesAndBinaryGarbageAreReadWithoutLimitOrCrash) {
    const std::string big(200000, 'x');
    EXPECT_EQ(read("[S]\r\nk=" + big + "\r\n", L"S", L"k")->size(), big.size());
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 7919) & 0xFF));
    EXPECT_NO_THROW(read(garbage, L"S", L"k"));
    EXPECT_NO_THROW(read("[", L"", L"["));
    EXPECT_NO_THROW(read("=", L"", L""));
    EXPECT_NO_THROW(read("\"", L"", L"\""));
}

}  // namespace
}  // namespace wardo::settings
