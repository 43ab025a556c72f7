#include "clientenums.h"

namespace Client {

ClientEnums::ClientEnums(QObject *parent)
    : QObject(parent)
{
}

ClientEnums::~ClientEnums() = default;

} // namespace Client
