#pragma once

// The symbol index file (openmoji.index), written at build time by ferlo-symbol-index and read by
// SymbolIndex. All numbers are unsigned 32-bit little-endian; a string is (offset, length) into
// the string pool, in UTF-8.
//
//   "FERLOSYM" version fileSize
//   poolSize pool[poolSize]
//   symbolCount { hexcode base }[symbolCount]         base: the symbol a variant folds under,
//                                                     or noSymbol for a symbol of its own
//   languageCount, for each language:
//     code
//     { name keywordFirst keywordCount }[symbolCount]  an empty name: none in that language
//     keywordCount { keyword }[keywordCount]
//     termCount { term symbol kind }[termCount]        folded (foldForSearch), sorted by their
//                                                       bytes; symbol is one of its own
//
// A term is a symbol's name or a name picture cards give it (kindName), a keyword or tag that is
// also a word of its name ("milk" of "glass of milk", kindNamedKeyword), one of the CLDR's
// keywords (kindKeyword), one of OpenMoji's own tags (kindTag, looser), or a word of any of them
// (kindWord), collected from the symbol and its variants; a term found several ways keeps the
// lowest kind.

#include <cstdint>

namespace ferlo::symbolindex {

inline constexpr char magic[8] = {'F', 'E', 'R', 'L', 'O', 'S', 'Y', 'M'};
inline constexpr std::uint32_t version = 2;
inline constexpr std::uint32_t noSymbol = 0xFFFFFFFFu;
inline constexpr std::uint32_t kindName = 0;
inline constexpr std::uint32_t kindNamedKeyword = 1;
inline constexpr std::uint32_t kindKeyword = 2;
inline constexpr std::uint32_t kindTag = 3;
inline constexpr std::uint32_t kindWord = 4;
// What a reader accepts; the real index is a few megabytes.
inline constexpr std::uint32_t maxFileSize = 64u << 20;

} // namespace ferlo::symbolindex
