#include "platform/UserSettings.h"

namespace miravel {

std::unique_ptr<QSettings> UserSettings(const QString& application)
{
#ifdef _WIN32
    // One key per application, as Windows programs keep theirs (QSettings'
    // organisation and application pair would nest Miravel\Miravel).
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + application,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(application, application);
#endif
}

} // namespace miravel
