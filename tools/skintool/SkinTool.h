#pragma once
// The commands of skintool. Each throws pp::Exception (or a
// std::filesystem error) with a message for the user on bad input.
#include <optional>
#include <string>
#include <vector>

namespace skintool {

// Damage a package can be written with, to test what readers make of it.
enum class TPackageDamage {
    None,
    Magic,    // the magic is "LVzX"
    Truncate, // the file ends halfway
    Check,    // the first entry's Adler-32 check is wrong
    Size,     // the first entry claims one byte more than its stream holds
};
// The damage named on the command line; throws for an unknown name.
TPackageDamage PackageDamageNamed(const std::string& name);

// Packs every file of `dir` into a packed skin file, "Options.dat" first and
// the others in byte order of their names, so the same folder always gives
// the same file.
void Pack(const std::string& dir, const std::string& packageFile,
          TPackageDamage damage = TPackageDamage::None);
// Writes every entry of the package into `dir` (created when missing).
// Refuses names that are not plain file names before writing anything.
void Unpack(const std::string& packageFile, const std::string& dir);
// One line per entry: name, unpacked size, compressed size.
std::string List(const std::string& packageFile);
// Decodes an image with the skin engine's decoders (chosen by the name's
// extension, as skins choose them) and writes it as a 32-bit PNG. With a
// skin version the skin alpha treatment of that version is applied.
void Decode(const std::string& image, const std::string& outPng, std::optional<double> skinVersion);

// Is `name` safe to create inside a folder: no separators, no drive, no
// "." or "..", not empty.
bool IsPlainFileName(const std::string& name);

} // namespace skintool
