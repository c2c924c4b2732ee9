// Writing one entry: only that entry changes, new ones keep the order of their first writing.
#include <gtest/gtest.h>

#include <string>

#include "settings/profile_format.h"

namespace wardo::settings {
namespace {

using text::Text;

TEST(ProfileWrite, CreatesFileSectionAndKeys) {
    std::string f = iniWrite("", L"Parametres", L"AffWarning", L"N");
    EXPECT_EQ(f, "[Parametres]\r\nAffWarning=N\r\n");
    f = iniWrite(f, L"Alertes", L"1", L"1|Toto");
    f = iniWrite(f, L"Parametres", L"Type Ban", L"1h");
    EXPECT_EQ(f, "[Parametres]\r\nAffWarning=N\r\nType Ban=1h\r\n[Alertes]\r\n1=1|Toto\r\n");
}

TEST(ProfileWrite, RewritesOnlyTheEntryAndKeepsEveryOtherByte) {
    const std::string before =
        "; my notes\n[Parametres]  \n  AffInfos1 = O \nPhraseConnexion=\"salut\"\n\n\n[Alertes]\r\n1=1|a\r\n";
    const std::string after = iniWrite(before, L"PARAMETRES", L"affinfos1", L"N");
    EXPECT_EQ(
        after,
        "; my notes\n[Parametres]  \nAffInfos1=N\nPhraseConnexion=\"salut\"\n\n\n[Alertes]\r\n1=1|a\r\n");
    EXPECT_EQ(iniRead(after, L"Parametres", L"PhraseConnexion"), L"salut");
}

TEST(ProfileWrite, FirstWrittenOrderSurvivesRewrites) {
    std::string f;
    for (const auto* key : {L"3", L"1", L"2"}) f = iniWrite(f, L"Raisons", key, L"x");
    for (const auto* key : {L"1", L"2", L"3"}) f = iniWrite(f, L"Raisons", key, Text(L"new") + key);
    EXPECT_EQ(f, "[Raisons]\r\n3=new3\r\n1=new1\r\n2=new2\r\n");
}

TEST(ProfileWrite, NewKeyGoesAfterTheSectionsLastLineNotAfterItsBlankLines) {
    const std::string f = iniWrite("[S]\r\nk=1\r\n\r\n\r\n[T]\r\nx=1\r\n", L"S", L"m", L"3");
    EXPECT_EQ(f, "[S]\r\nk=1\r\nm=3\r\n\r\n\r\n[T]\r\nx=1\r\n");
    EXPECT_EQ(iniWrite("[S]\r\n[T]\r\n", L"S", L"k", L"v"), "[S]\r\nk=v\r\n[T]\r\n");
    EXPECT_EQ(iniWrite("[S]\r\nk=1\r\n", L"", L"top", L"v"), "top=v\r\n[S]\r\nk=1\r\n");
}

TEST(ProfileWrite, DuplicatesAreWrittenWhereTheyAreRead) {
    const std::string f = iniWrite("[S]\r\nk=a\r\nk=b\r\n[s]\r\nonly=c\r\n", L"S", L"only", L"new");
    EXPECT_EQ(f, "[S]\r\nk=a\r\nk=b\r\nonly=new\r\n[s]\r\nonly=c\r\n");
    EXPECT_EQ(iniRead(f, L"S", L"only"), L"new");
    EXPECT_EQ(iniWrite(f, L"S", L"K", L"z").substr(0, 12), "[S]\r\nk=z\r\nk=");
}

TEST(ProfileWrite, KeyWithoutEqualsGetsItsValue) {
    const std::string f = iniWrite("[S]\r\nnoeq\r\nk=1\r\n", L"s", L"NOEQ", L"v");
    EXPECT_EQ(f, "[S]\r\nnoeq=v\r\nk=1\r\n");
}

TEST(ProfileWrite, FileWithoutFinalLineBreakOrWithLoneBreaks) {
    EXPECT_EQ(iniWrite("[S]\r\na=1", L"S", L"b", L"2"), "[S]\r\na=1\r\nb=2\r\n");
    EXPECT_EQ(iniWrite("[S]\r\na=1", L"T", L"b", L"2"), "[S]\r\na=1\r\n[T]\r\nb=2\r\n");
    const std::string cr = iniWrite("[S]\ra=1\rb=2\r", L"S", L"a", L"9");
    EXPECT_EQ(cr, "[S]\ra=9\rb=2\r");
    EXPECT_EQ(iniRead(iniWrite(cr, L"S", L"c", L"3"), L"S", L"c"), L"3");
}

TEST(ProfileWrite, AValueNeverAddsALineOfItsOwn) {
    const std::string f = iniWrite("[S]\r\na=1\r\n", L"S", L"a", L"line\r\nb=injected\n[T]\rt=1");
    EXPECT_EQ(iniRead(f, L"S", L"a"), L"line  b=injected [T] t=1");
    EXPECT_EQ(iniRead(f, L"S", L"b"), std::nullopt);
    EXPECT_EQ(iniRead(f, L"T", L"t"), std::nullopt);
    EXPECT_EQ(iniWrite("", L"S\r\n[X]", L"k\nz", L"v"), "[S  [X]]\r\nk z=v\r\n");
}

TEST(ProfileWrite, NamesAreTrimmedAndValuesEndAtNul) {
    const std::string f = iniWrite("", L"  S  ", L" sp k ", Text(L"a\0b", 3));
    EXPECT_EQ(f, "[S]\r\nsp k=a\r\n");
}

}  // namespace
}  // namespace wardo::settings
