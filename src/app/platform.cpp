// SPDX-License-Identifier: MIT
#include "app/platform.h"

namespace tavelo {

QByteArray chosenPlatform(const QByteArray &qtPlatform, const QByteArray &waylandDisplay,
                          const QByteArray &display)
{
    if (qtPlatform.isEmpty() && !waylandDisplay.isEmpty() && !display.isEmpty())
        return QByteArrayLiteral("xcb");
    return {};
}

void choosePlatform()
{
    const QByteArray platform =
        chosenPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

}  // namespace tavelo
