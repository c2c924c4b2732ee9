// CrypteTexte and DecrypteTexte: a fresh CRijndael per call, texts through the ANSI code page.
#include "cipher/crypt_text.h"

#include <string>

#include "cipher/hex_bytes.h"
#include "cipher/rijndael.h"

namespace wardo::cipher {

namespace {

Bytes bytesOf(const std::string& ansi) {
    return Bytes(ansi.begin(), ansi.end());
}

Bytes bytesOf(const text::Text& t) {
    return bytesOf(text::toAnsi(t));
}

std::string ansiOf(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

using Operation = Bytes (CRijndael::*)(const ByteArray&, const ByteArray&);

// The cipher's refusals (no message, a length word of 0 or below) become an empty result.
Bytes run(Operation operation, const Bytes& data, const text::Text& motDePasse) {
    try {
        CRijndael chiffreurTexte;
        return (chiffreurTexte.*operation)(data, bytesOf(motDePasse));
    } catch (const text::RuntimeError&) {
        return {};
    }
}

}  // namespace

text::Text CrypteTexte(const text::Text& texte, const text::Text& motDePasse) {
    return text::fromAnsi(ansiOf(run(&CRijndael::EncryptData, bytesOf(texte), motDePasse)));
}

text::Text DecrypteTexte(const text::Text& texte, const text::Text& motDePasse) {
    return text::fromAnsi(ansiOf(run(&CRijndael::DecryptData, bytesOf(texte), motDePasse)));
}

text::Text ChiffreVersHex(const text::Text& texte, const text::Text& motDePasse,
                          const std::function<void()>& pompeEvenements) {
    return hexDesOctets(ansiOf(run(&CRijndael::EncryptData, bytesOf(texte), motDePasse)), pompeEvenements);
}

text::Text ChiffreVersHex(const text::Text& texte, const text::Text& motDePasse,
                          platform::EventLoop& boucle) {
    return ChiffreVersHex(texte, motDePasse, [&boucle] { boucle.doEvents(); });
}

text::Text HexVersDechiffre(const text::Text& hex, const text::Text& motDePasse) {
    return text::fromAnsi(ansiOf(run(&CRijndael::DecryptData, bytesOf(octetsDeHex(hex)), motDePasse)));
}

}  // namespace wardo::cipher
