// Storing an operator code of 28 characters (one block) enciphered in hexadecimal, as the settings pane
// does, and reading it back as the panel does; the tables and key schedule are rebuilt at every call.
#include <benchmark/benchmark.h>

#include "cipher/crypt_text.h"
#include "cipher/keys.h"

namespace {

const wardo::text::Text kCode = L"Op\u00e9rateur-2026-c0de-secret!!";  // 28 characters: one block

void StoreOperatorCode(benchmark::State& state) {
    const wardo::text::Text key = wardo::cipher::CleTexte();
    for (auto _ : state) {
        wardo::text::Text stored = wardo::cipher::ChiffreVersHex(kCode, key, [] {});
        benchmark::DoNotOptimize(stored);
    }
}
BENCHMARK(StoreOperatorCode);

void ReadOperatorCodeBack(benchmark::State& state) {
    const wardo::text::Text key = wardo::cipher::CleTexte();
    const wardo::text::Text stored = wardo::cipher::ChiffreVersHex(kCode, key, [] {});
    for (auto _ : state) {
        wardo::text::Text code = wardo::cipher::HexVersDechiffre(stored, key);
        benchmark::DoNotOptimize(code);
    }
}
BENCHMARK(ReadOperatorCodeBack);

}  // namespace
