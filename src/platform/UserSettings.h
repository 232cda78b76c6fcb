#pragma once
// The per-user settings of an application, in the system's own store: the
// registry under HKEY_CURRENT_USER\Software\<application> on Windows, an
// INI file in the user's configuration folder elsewhere.

#include <QSettings>
#include <QString>

#include <memory>

namespace miravel {

std::unique_ptr<QSettings> UserSettings(const QString& application);

} // namespace miravel
