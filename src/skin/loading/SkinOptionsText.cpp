#include "skin/loading/SkinOptionsText.h"

#include "core/Error.h"
#include "core/StringList.h"

namespace pp {

TMemIniFile OptionsFrom(TStream& stream)
{
    stream.SetPosition(0);
    TStringList lines(true);
    lines.LoadFromStream(stream);
    return TMemIniFile(lines);
}

TMemIniFile PackageOptions(const std::unique_ptr<TacSkinConvertor>& package, const std::string& where)
{
    if (!package || !package->OptionsStream)
        throw EInvalidData("The skin package " + where + " holds no Options.dat");
    return OptionsFrom(*package->OptionsStream);
}

} // namespace pp
