#include "platform/OffscreenFonts.h"

#include <QByteArray>
#include <QtGlobal>

namespace miravel {

void UseSystemFontsOffscreen()
{
#ifdef _WIN32
    const QByteArray windows = qgetenv("WINDIR");
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !windows.isEmpty())
        qputenv("QT_QPA_FONTDIR", windows + "\\Fonts");
#endif
}

} // namespace miravel
