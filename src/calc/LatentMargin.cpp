#include "calc/LatentMargin.h"

int32_t LatentExclusionMargin(const TLatentRange& latent) {
    if (latent.doNotExclude != 0)
        return 0;
    if (latent.excludeWithin10 != 0)
        return 10;
    if (latent.excludeWithin15 != 0)
        return 15;
    return 0;
}
