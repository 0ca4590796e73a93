// The graphics half of the window framework: colours, fonts, pens, brushes, canvases, bitmaps and
// image lists on GDI.
#pragma once

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Colors.h"
#include "framework/win/graphics/GdiHandles.h"
#include "framework/win/graphics/Graphic.h"
#include "framework/win/graphics/GraphicsObjects.h"
#include "framework/win/graphics/ImageList.h"
