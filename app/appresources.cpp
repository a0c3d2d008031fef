#include "app/appresources.h"

#include <QtGlobal>

void RegisterResources()
{
    Q_INIT_RESOURCE(PicRes);
}
