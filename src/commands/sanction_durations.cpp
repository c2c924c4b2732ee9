#include "commands/sanction_durations.h"

namespace wardo::commands {

namespace {

struct Duree {
    const wchar_t* code;
    const wchar_t* texte;
};

text::Text cherche(std::initializer_list<Duree> durees, const text::Text& code, const text::Text& autre) {
    for (const Duree& d : durees) {
        if (code == d.code) return d.texte;
    }
    return autre;
}

}  // namespace

text::Text DureePunir(const text::Text& code) {
    return cherche({{L"1h", L" 1 hours "}, {L"2h", L" 2 hours "}, {L"1j", L" 1 days "}, {L"2j", L" 2 days "}},
                   code, L" ");
}

text::Text DureeBannir(const text::Text& code) {
    return cherche({{L"1j", L" expire day"},
                    {L"15j", L" expire halfmonth"},
                    {L"1m", L" expire month"},
                    {L"1a", L" expire year"},
                    {L"def", L" no-expire"}},
                   code, L"");
}

}  // namespace wardo::commands
