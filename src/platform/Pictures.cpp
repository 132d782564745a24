#include "Pictures.h"
#include <QApplication>
#include <QStyle>

namespace zt::Pictures {

const QIcon& Help()
{
    static const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion);
    return icon;
}

const QIcon& Document()
{
    static const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return icon;
}

} // namespace zt::Pictures
