// Decodes a "PNG" resource of the program into a GDI+ image for the windows'
// backgrounds and pictures.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include <memory>

// A new image of the "PNG" resource id, or null when the resource is missing,
// empty or cannot be put into a stream. The image's own status is not
// examined: an undecodable resource gives an image that draws nothing.
std::unique_ptr<Gdiplus::Image> LoadPngResourceImage(WORD id);
