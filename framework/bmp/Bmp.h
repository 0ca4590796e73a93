// The portable BMP codec: decoding, encoding, pixel access and depth conversion.
#pragma once

#include "framework/bmp/BmpDecoder.h"
#include "framework/bmp/BmpEncoder.h"
#include "framework/bmp/BmpError.h"
#include "framework/bmp/BmpFormat.h"
#include "framework/bmp/BmpImage.h"
#include "framework/bmp/BmpPixels.h"
#include "framework/bmp/BmpRle.h"
