#include "children/child_details.h"

namespace children {

QString childDetailsStatement(const QString& registryNumber) {
    return QStringLiteral("SELECT * FROM CHILDREN WHERE ARITHMOS_MHTRWOY=") + registryNumber;
}

}  // namespace children
