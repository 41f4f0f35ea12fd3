// ImageFailureSite: how the decoders note a failure, with the place it was found for its report.
#pragma once

#include "resources/core/TGALoader.h"

// Sets failure to the error id, found here, and yields false.
#define INTRO_IMAGE_FAILED(failure, id)                                                            \
    ((failure) = ::afterglow::ImageFailure{::afterglow::ImageError::id, __FILE_NAME__, __LINE__},  \
     false)

namespace afterglow {
// Empties an image after a failed decode, keeping what its failure says.
void forgetAllButFailure(DecodedImage& image);
} // namespace afterglow
