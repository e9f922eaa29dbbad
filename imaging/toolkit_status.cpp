#include "imaging/toolkit_status.h"

namespace pixmora {

int lastStatus = 0;

}  // namespace pixmora
