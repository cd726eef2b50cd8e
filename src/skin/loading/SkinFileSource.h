#pragma once
// Where a skin's images come from: the files of a skin folder or the entries
// of a skin package. Loading asks by the name an option gives; the skin
// manager picks the source once per load.
#include "core/Stream.h"

#include <memory>
#include <string>

namespace pp {

class TacSkinConvertor;

class TSkinFileSource {
public:
    virtual ~TSkinFileSource() = default;
    // The image's bytes, positioned at 0; null when there is no such image.
    // Skins are written for a file system that ignores letter case, so a
    // name given exactly is taken first, else one that differs only in case:
    // a skin loads the same from its folder and from its package.
    virtual std::unique_ptr<TStream> Open(const std::string& name) const = 0;
};

class TSkinFolderSource : public TSkinFileSource {
public:
    // `skinFolder` ends with a separator (or is empty); names that carry a
    // drive (":") are used as they stand.
    explicit TSkinFolderSource(std::string skinFolder) : folder_(std::move(skinFolder)) { }
    std::unique_ptr<TStream> Open(const std::string& name) const override;

    // The file a name stands for, or empty when it does not exist. Where the
    // exact name is missing, files and folders differing only in case are
    // taken.
    std::string ResolveFile(const std::string& name) const;

private:
    std::string folder_;
};

class TSkinPackageSource : public TSkinFileSource {
public:
    explicit TSkinPackageSource(TacSkinConvertor& package) : package_(package) { }
    std::unique_ptr<TStream> Open(const std::string& name) const override;

private:
    TacSkinConvertor& package_;
};

} // namespace pp
