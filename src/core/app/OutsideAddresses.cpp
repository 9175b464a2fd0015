#include "OutsideAddresses.h"

const QString kHomePageAddress = QStringLiteral(MORVANX_HOME_PAGE);
const QString kSupportMailAddress = QStringLiteral(MORVANX_SUPPORT_MAIL);
const QString kMapServiceHost = QStringLiteral(MORVANX_MAP_SERVICE);
