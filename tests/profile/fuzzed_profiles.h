#pragma once

#include <random>
#include <string>

#include "game_keys.h"

// Profile files as damaged as a disk, an editor or another program could
// leave them, each made from the random source alone, so a seed names a file
// for good.
using FuzzRandom = std::mt19937_64;

// Any bytes at all, or bytes drawn from the profile's punctuation and key names.
std::string RandomBytes(FuzzRandom& random);

// Plausible lines with every kind of fault: duplicate or unclosed sections,
// keys without '=', names in odd case and blanks, numbers beyond 32 bits,
// stray escapes, NUL bytes, mixed line ends and now and then a line of
// hundreds of kilobytes.
std::string RandomProfileText(FuzzRandom& random);

// A well-formed file holding all seventeen keys, then flipped, cut, spliced
// and reordered a few times.
std::string MutatedFullProfile(FuzzRandom& random);

// A value the game could write under `key`: any int, or any bytes as a name.
KeyValue RandomValueFor(const GameKey& key, FuzzRandom& random);
