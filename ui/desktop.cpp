#include "ui/desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace varnix {

bool QtDesktop::openAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

}  // namespace varnix
