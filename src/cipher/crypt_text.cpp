// CrypteTexte and DecrypteTexte: a fresh CRijndael per call, texts through the ANSI code page.
#include "cipher/crypt_text.h"

#include <string>

#include "cipher/rijndael.h"

namespace wardo::cipher {

namespace {

Bytes bytesOf(const text::Text& t) {
    const std::string ansi = text::toAnsi(t);
    return Bytes(ansi.begin(), ansi.end());
}

text::Text textOf(const Bytes& bytes) {
    return text::fromAnsi(std::string(bytes.begin(), bytes.end()));
}

using Operation = Bytes (CRijndael::*)(const ByteArray&, const ByteArray&);

// The cipher's refusals (no message, a length word of 0 or below) become an empty result.
text::Text run(Operation operation, const text::Text& texte, const text::Text& motDePasse) {
    Bytes result;
    try {
        CRijndael chiffreurTexte;
        result = (chiffreurTexte.*operation)(bytesOf(texte), bytesOf(motDePasse));
    } catch (const text::RuntimeError&) {
        result.clear();
    }
    return textOf(result);
}

}  // namespace

text::Text CrypteTexte(const text::Text& texte, const text::Text& motDePasse) {
    return run(&CRijndael::EncryptData, texte, motDePasse);
}

text::Text DecrypteTexte(const text::Text& texte, const text::Text& motDePasse) {
    return run(&CRijndael::DecryptData, texte, motDePasse);
}

}  // namespace wardo::cipher
