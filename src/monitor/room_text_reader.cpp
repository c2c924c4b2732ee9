#include "monitor/room_text_reader.h"

#include <climits>

namespace wardo::monitor {

// CR LF pairs cannot overlap, so the pairs found from the end are exactly those a split from the
// start finds.
std::optional<std::string_view> DerniereLigneComplete(std::string_view texte) {
    constexpr std::string_view kCrLf = "\r\n";
    const auto fin = texte.rfind(kCrLf);
    if (fin == std::string_view::npos) return std::nullopt;
    const auto avant = fin == 0 ? std::string_view::npos : texte.rfind(kCrLf, fin - 1);
    const auto debut = avant == std::string_view::npos ? 0 : avant + kCrLf.size();
    return texte.substr(debut, fin - debut);
}

namespace {

// The pane's terminator, or the blanks of a buffer the pane filled only in part, would follow the
// text and so stay in what comes after the last CR LF: reading the bytes the pane gave is the same.
std::string litTexte(chatlink::RoomLink& link) {
    auto& windows = link.windows();
    const long n = windows.getTextLength(link.HandleTexteChat);
    if (n < 0) text::fail(text::ErrorCode::InvalidCall, "negative text length");
    if (n == LONG_MAX) text::fail(text::ErrorCode::Overflow, "text length overflow");
    return windows.getText(link.HandleTexteChat, n + 1);
}

}  // namespace

text::Text LitTexteSalle(chatlink::RoomLink& link) {
    return text::fromAnsi(litTexte(link));
}

std::optional<text::Text> LitDerniereLigneChat(chatlink::RoomLink& link) {
    LecteurDerniereLigne lecteur;
    const text::Text* ligne = lecteur.lit(link);
    if (!ligne) return std::nullopt;
    return *ligne;
}

// A CR or LF byte is never part of a double-byte character, so only the line itself is converted.
const text::Text* LecteurDerniereLigne::lit(chatlink::RoomLink& link) {
    const std::string texte = litTexte(link);
    const auto ligne = DerniereLigneComplete(texte);
    if (!ligne) return nullptr;
    if (*ligne != octets_) {
        ligne_ = text::fromAnsi(*ligne);
        octets_.assign(*ligne);
    }
    return &ligne_;
}

}  // namespace wardo::monitor
