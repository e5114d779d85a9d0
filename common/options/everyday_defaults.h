// The defaults of the everyday form (no options file): the settings that differ from those an
// options file starts from, in one place.
#pragma once
#include <string>
#include <vector>

#include "common/options/command_line.h"
#include "common/options/prog_options.h"

// zlib's compression level of the everyday form's PNG files: written two to three times as fast as
// at zlib's default level, for a tenth more bytes in a picture of many colours (half again in one of
// few, which is small either way); the pixels are the same.
inline constexpr int kEverydayPngLevel = 3;

// A file's name without its folder, ".gz" and then its last extension ("stdin" for standard
// input, "-"): "data/Pkinase.clustalo.fa.gz" gives "Pkinase.clustalo".
std::string f_fileStem(const std::string& path);

// The file-name prefix of pictures drawn from these alignment files (one for vemura, two for
// dorvex): each file's name without its folder, without ".gz" and then its last extension
// ("stdin" for standard input, "-"), dorvex's two joined by "_vs_", then "_":
// "data/Pkinase.clustalo.fa.gz" gives "Pkinase.clustalo_".
std::string f_everydayPrefix(const std::vector<std::string>& alignmentFiles);

// Sets the everyday defaults before the flags are applied: the prefix, names up to 30 characters
// cut with "...", vemura's light grey gaps, rows of residue pictures in at most 4000 pixels (the
// bounded sizes), dorvex's picture types 0 and 30 and its agreement summary.
void f_setEverydayDefaults(prog_options& opts, const std::vector<std::string>& alignmentFiles);

// Sets the defaults of dorvex's methods mode (--reference) before the flags are applied: those
// of the everyday form, with the prefix named after the reference alone and picture type 31.
void f_setMethodsDefaults(prog_options& opts, const std::string& reference);

// Completes the defaults that follow settings the flags may have changed: dorvex's mismatch
// report is PREFIX + "mismatch.txt" unless --report names it.
void f_completeEverydayDefaults(prog_options& opts, const command_line& line);
